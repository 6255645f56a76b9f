#pragma once

#include <string>
#include <vector>

#include "articles/article_columns.h" // SavedFileHeading
#include "articles/article_table.h"
#include "articles/load_outcome.h"

// The article text file: one article a line, twelve fields, Windows-1251 inside the
// program. Saving writes UTF-16LE with TAB-separated fields; loading also reads UTF-16BE
// and UTF-8, and ";" or "," as separators (see LoadArticles).
constexpr int MaxLineUnits = 999; // longer lines are read in pieces of this many code units

// Clears the table, then takes the articles of the file. A spreadsheet, known by its
// content (an .xlsx or .ods workbook; see ReadSheetFile), gives the rows of its first
// worksheet after the heading row 1, each row numbered as the sheet numbers it; a file
// in an old or encrypted Office format, or a damaged one, is not read (Unreadable). Any
// other file is an article text file: its encoding comes from a
// byte-order mark, else UTF-8 when the whole file is valid UTF-8 without NUL bytes, else
// UTF-16LE; its first line is a heading, never an article, and fixes the separator (TAB,
// or ";" or "," in a heading without TAB). A line is taken when it reads without fault
// and has a name, a barcode and a price above 0. A read error leaves the table cleared
// and Opened false.
LoadOutcome LoadArticles(const std::string& path, ArticleTable& table);

// The lines "Snimi" writes: the heading, then every entry whose ThisID is above 0.
std::vector<std::u16string> ArticleFileLines(const ArticleTable& table);
// Writes a heading line and every entry whose ThisID is above 0. Writes a temporary file
// beside the target and renames it over the target only when complete; false on failure,
// leaving any earlier file untouched.
bool SaveArticles(const std::string& path, const ArticleTable& table);
