#pragma once

#include <string>
#include <vector>

#include "articles/article_table.h"

// The article text file: UTF-16LE, one article a line, twelve TAB-separated fields,
// Windows-1251 inside the program.
constexpr int MaxLineUnits = 999; // longer lines are read in pieces of this many code units

// Once location 2999 is filled, at most this many further lines are looked at to count
// the articles left over; the rest of the file is not read.
constexpr int MaxLinesCounted = 100000;

struct LoadOutcome {
    bool Opened = false;   // false: the file could not be opened or read
    int Taken = 0;         // articles taken, at locations 2, 3, ...
    int LinesNotTaken = 0; // article lines left over once location 2999 was filled
    // (lines that pass the taking check; lines that would be skipped anyway do not count)
    bool CountStopped = false; // more lines followed the MaxLinesCounted counted ones:
                               // LinesNotTaken is then a lower bound
};

// Clears the table, then takes the articles of the file (its first line is discarded).
// A read error leaves the table cleared and Opened false.
LoadOutcome LoadArticles(const std::string& path, ArticleTable& table);

// The lines "Snimi" writes: the heading, then every entry whose ThisID is above 0.
std::vector<std::u16string> ArticleFileLines(const ArticleTable& table);
// Writes a heading line and every entry whose ThisID is above 0. Writes a temporary file
// beside the target and renames it over the target only when complete; false on failure,
// leaving any earlier file untouched.
bool SaveArticles(const std::string& path, const ArticleTable& table);
