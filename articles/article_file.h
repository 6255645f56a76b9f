#pragma once

#include <string>

#include "articles/article_table.h"

// The article text file: UTF-16LE, one article a line, twelve TAB-separated fields,
// Windows-1251 inside the program.
constexpr int MaxLineUnits = 999; // longer lines are read in pieces of this many code units

struct LoadOutcome {
    bool Opened = false;   // false: the file could not be opened or read
    int Taken = 0;         // articles taken, at locations 2, 3, ...
    int LinesNotTaken = 0; // article lines left over once location 2999 was filled
};

// Clears the table, then takes the articles of the file (its first line is discarded).
LoadOutcome LoadArticles(const std::string& path, ArticleTable& table);

// Writes a heading line and every entry whose ThisID is above 0. Writes a temporary file
// beside the target and renames it over the target only when complete; false on failure,
// leaving any earlier file untouched.
bool SaveArticles(const std::string& path, const ArticleTable& table);
