#include <string>

#include "articles/article_file.h"
#include "tests/fuzz/fuzz_input.h"

// The bytes become a whole article file on disk, loaded as the program loads one.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = FuzzFile("talon-fuzz-articles", data, size);
    if (path.empty())
        return 0;
    static ArticleTable table;
    const LoadOutcome outcome = LoadArticles(path, table);
    if (outcome.Taken > ArticleTableSize - FirstLoadedLocation)
        __builtin_trap();
    return 0;
}
