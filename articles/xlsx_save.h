#pragma once

#include <string>

#include "articles/article_table.h"

// Saves the entries whose ThisID is above 0 as an Excel workbook (.xlsx) of one sheet: the
// heading row of the text file, then one row an article with the text file's twelve
// columns. The barcode is a text cell (its leading zeros and all its digits stay), the
// price a number shown with two decimals, the other amounts numbers, the name in Unicode.
// The workbook is made in a scratch folder and then put in place as SaveArticles puts a
// text file: false on failure, leaving any earlier file untouched.
bool SaveArticlesXlsx(const std::string& path, const ArticleTable& table);
