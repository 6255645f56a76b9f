#pragma once

#include <vector>

#include "operations/history_entry.h"

// A change of an article's price on stock: a write whose old and new price are both known
// and differ.
struct PriceChange {
    const HistoryEntry* Line = nullptr;
    double OldPrice = 0.0;
    double NewPrice = 0.0;
};

struct PriceChanges {
    std::vector<PriceChange> Rows; // in the order of the lines
    int UnknownOld = 0;            // writes whose old price the record does not know
};

PriceChanges CollectPriceChanges(const std::vector<const HistoryEntry*>& lines);
