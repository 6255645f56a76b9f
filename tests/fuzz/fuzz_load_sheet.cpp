#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "articles/article_file.h"
#include "articles/load_messages.h"

// The bytes become a whole file on disk, loaded as the program loads one: a zip or an
// Office compound file goes to the spreadsheet reader.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = "/tmp/talon-fuzz-sheet-" + std::to_string(getpid());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    static ArticleTable table;
    const LoadOutcome outcome = LoadArticles(path, table);
    if (outcome.Taken > ArticleTableSize - FirstLoadedLocation ||
        (!outcome.Opened && outcome.Taken != 0))
        __builtin_trap();
    LoadMessages(outcome, path.c_str());
    return 0;
}
