#pragma once

#include <string>

#include "articles/article_table.h"
#include "text/ecr_string.h"

class LogSink;

// Loads an article file or workbook into the table and logs how the load went
// (LoadMessages): a file that cannot be read (a workbook with the reason), the lines
// refused and why, a heading that reads as an article, the
// article lines left over once the table is full, a file that gave no article.
// `shownPath` is the path as the log names it. True when at least one article was taken.
bool LoadArticleFileLogged(const std::string& path, const ECRString& shownPath, ArticleTable& table,
                           LogSink& log);
