#include "operations/history_entry.h"

#include <utility>

#include "image/history_line.h"
#include "operations/fold_case.h"
#include "operations/history_report.h"

namespace {

constexpr char Tab = '\t';
constexpr char FoldedSeparator = '\n'; // never in a field: a search cannot span the two
constexpr std::size_t DateLength = sizeof "YYYY-MM-DD" - 1;

std::vector<std::string> SplitTabs(const std::string& text, std::size_t most) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t tab = text.find(Tab); tab != std::string::npos && parts.size() + 1 < most;
         tab = text.find(Tab, start)) {
        parts.push_back(text.substr(start, tab - start));
        start = tab + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

} // namespace

std::string HistoryEntry::Text() const {
    std::string text = Fields.front();
    for (std::size_t f = 1; f < Columns; ++f) {
        text += Tab + Fields[f];
    }
    return text;
}

HistoryEntry ReadHistoryEntry(const std::string& till, std::size_t line, const std::string& text) {
    HistoryEntry entry;
    entry.Till = till;
    entry.Line = line;
    std::vector<std::string> parts = SplitTabs(text, HistoryFieldCount);
    for (std::size_t f = 0; f < parts.size(); ++f) {
        entry.Fields[f] = std::move(parts[f]);
    }
    entry.Columns = parts.size();
    const std::string date = entry.Fields[TimeField].substr(0, DateLength);
    entry.Date = IsHistoryDate(date) ? date : std::string();
    entry.Folded = FoldCase(entry.Fields[BarcodeField] + FoldedSeparator + entry.Fields[NameField]);
    return entry;
}

bool KnownPrice(const std::string& field) {
    return !field.empty() && field != UnknownValue;
}

const std::vector<std::string>& HistoryColumnTitles() {
    static const std::vector<std::string> titles =
        SplitTabs(HistoryHeading, static_cast<std::size_t>(HistoryFieldCount));
    return titles;
}
