#pragma once

#include <string>

#include "operations/history_entry.h"

// Which lines of the records a listing or a document takes.
struct HistoryFilter {
    std::string Till;  // an image name; "" every till
    std::string Since; // "YYYY-MM-DD": from that day on; "" no bound
    std::string Until; // "YYYY-MM-DD": up to that day, that day included; "" no bound
    std::string Text;  // a part of the barcode or the name, in any case; "" every line
};

// The filter's text as Matches compares it.
std::string FoldedText(const HistoryFilter& filter);
// A line without a date is kept only when neither day is bounded.
bool Matches(const HistoryFilter& filter, const std::string& foldedText, const HistoryEntry& entry);
