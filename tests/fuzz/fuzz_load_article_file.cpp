#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "articles/article_file.h"

// The bytes become a whole article file on disk, loaded as the program loads one.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = "/tmp/talon-fuzz-articles-" + std::to_string(getpid());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    static ArticleTable table;
    const LoadOutcome outcome = LoadArticles(path, table);
    if (outcome.Taken > ArticleTableSize - FirstLoadedLocation)
        __builtin_trap();
    return 0;
}
