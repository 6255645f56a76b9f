#pragma once

#include <array>

#include "plu/talon_plu_item.h"

constexpr int ArticleTableSize = 3000;
constexpr int FirstLoadedLocation = 2; // loading fills the table from here
constexpr int ProtectedLocation = 1;   // never erased or edited by the program

// A fixed table of articles indexed by memory location 0..2999.
using ArticleTable = std::array<TalonPLUItem, ArticleTableSize>;

void ClearArticles(ArticleTable& table);
// An entry shows in a grid when it has a name.
inline bool IsPresent(const TalonPLUItem& item) {
    return item.Name().GetLength() > 0;
}
// The index of the present entry whose ThisID is id: the entry at that index when it
// matches, else the first match in the table; -1 when there is none.
int FindByThisID(const ArticleTable& table, int id);
