#include <string>

#include "articles/article_file.h"
#include "articles/load_messages.h"
#include "tests/fuzz/fuzz_input.h"

// The bytes become a whole file on disk, loaded as the program loads one: a zip or an
// Office compound file goes to the spreadsheet reader.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = FuzzFile("talon-fuzz-sheet", data, size);
    if (path.empty())
        return 0;
    static ArticleTable table;
    const LoadOutcome outcome = LoadArticles(path, table);
    if (outcome.Taken > ArticleTableSize - FirstLoadedLocation ||
        (!outcome.Opened && outcome.Taken != 0))
        __builtin_trap();
    LoadMessages(outcome, path.c_str());
    return 0;
}
