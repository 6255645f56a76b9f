#pragma once

#include <string>

#include "articles/article_table.h"

// True when the file's name ends in `ending` (".txt"), in any case.
bool HasEnding(const std::string& path, const char* ending);
// True when the file's name ends in ".xlsx", in any case.
bool IsXlsxName(const std::string& path);

// Saves the register's articles in the form the name asks for: an Excel workbook for an
// .xlsx name (SaveArticlesXlsx), else the article text file (SaveArticles). False on
// failure, leaving any earlier file untouched.
bool SaveArticleList(const std::string& path, const ArticleTable& table);
