#pragma once

#include <string>

#include "articles/article_table.h"
#include "text/ecr_string.h"

class LogSink;

// Loads an article file into the table and logs what the load leaves unsaid: a file that
// cannot be read, and the article lines left over once the table is full. `shownPath` is
// the path as the log names it. True when at least one article was taken.
bool LoadArticleFileLogged(const std::string& path, const ECRString& shownPath, ArticleTable& table,
                           LogSink& log);
