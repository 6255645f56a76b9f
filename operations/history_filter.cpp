#include "operations/history_filter.h"

#include "operations/fold_case.h"

std::string FoldedText(const HistoryFilter& filter) {
    return FoldCase(filter.Text);
}

bool Matches(const HistoryFilter& filter, const std::string& foldedText,
             const HistoryEntry& entry) {
    if (!filter.Till.empty() && entry.Till != filter.Till) {
        return false;
    }
    const bool bounded = !filter.Since.empty() || !filter.Until.empty();
    if (bounded && entry.Date.empty()) {
        return false;
    }
    if ((!filter.Since.empty() && entry.Date < filter.Since) ||
        (!filter.Until.empty() && entry.Date > filter.Until)) {
        return false;
    }
    return foldedText.empty() || entry.Folded.find(foldedText) != std::string::npos;
}
