#include "emulator/starting_articles.h"

#include <memory>
#include <stdexcept>

#include "articles/article_file.h"
#include "emulator/demo_articles.h"

namespace {
void LoadFile(const std::string& path, RegisterState& state) {
    // The table is large; keep it off the stack.
    const auto table = std::make_unique<ArticleTable>();
    const LoadOutcome outcome = LoadArticles(path, *table);
    if (!outcome.Opened) {
        throw std::runtime_error("cannot read the article file " + path);
    }
    for (int location = 0; location < ArticleTableSize; ++location) {
        const TalonPLUItem& item = (*table)[static_cast<std::size_t>(location)];
        if (IsPresent(item)) {
            state.Put(location, FromPLUItem(item));
        }
    }
}
} // namespace

void LoadStartingArticles(const EmulatorOptions& options, RegisterState& state) {
    if (options.DemoArticles) {
        for (const auto& [location, article] : DemoArticles()) {
            state.Put(location, article);
        }
    }
    if (!options.ArticleFile.empty()) {
        LoadFile(options.ArticleFile, state);
    }
}
