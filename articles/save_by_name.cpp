#include "articles/save_by_name.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "articles/article_file.h"
#include "articles/xlsx_save.h"

namespace {

const char* const XlsxEnding = ".xlsx";

bool SameLetter(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
}

} // namespace

bool HasEnding(const std::string& path, const char* ending) {
    const std::size_t length = std::strlen(ending);
    return path.size() >= length && std::equal(path.end() - static_cast<std::ptrdiff_t>(length),
                                               path.end(), ending, SameLetter);
}

bool IsXlsxName(const std::string& path) {
    return HasEnding(path, XlsxEnding);
}

bool SaveArticleList(const std::string& path, const ArticleTable& table) {
    return IsXlsxName(path) ? SaveArticlesXlsx(path, table) : SaveArticles(path, table);
}
