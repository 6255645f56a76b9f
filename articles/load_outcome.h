#pragma once

#include <vector>

#include "articles/article_line.h"
#include "sheets/sheet_fault.h"
#include "text/ecr_string.h"

// How loading an article file went: what was taken, refused and left over.

// Once location 2999 is filled, at most this many further lines are looked at to count
// the articles left over; the rest of the file is not read.
constexpr int MaxLinesCounted = 100000;

// At most this many lines refused for a faulty field are told one by one.
constexpr int MaxRowNotes = 20;

// A line that was not taken because a field would have put a wrong value in the register.
struct RowNote {
    int Line = 0; // the line of the file, the heading being line 1
    LineReading Reading;
};

struct LoadOutcome {
    bool Opened = false;                      // false: the file could not be opened or read
    SheetFault Unreadable = SheetFault::None; // why a spreadsheet could not be read
    int Taken = 0;                            // articles taken, at locations 2, 3, ...
    int LinesNotTaken = 0; // article lines left over once location 2999 was filled
    // (lines that pass the taking check; lines that would be skipped anyway do not count)
    bool CountStopped = false;     // more lines followed the MaxLinesCounted counted ones:
                                   // LinesNotTaken is then a lower bound
    std::vector<RowNote> Notes;    // the first MaxRowNotes refused lines, in file order
    int NotesLeftOut = 0;          // refused lines beyond those
    bool HeadingIsArticle = false; // the first line would itself have been taken
    ECRString HeadingName;         // its name then
};
