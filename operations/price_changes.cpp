#include "operations/price_changes.h"

#include <cmath>

#include "image/history_line.h"
#include "text/c_numbers.h"

namespace {

constexpr double HundredthsPerUnit = 100.0;

long long Hundredths(double price) {
    return std::llround(price * HundredthsPerUnit);
}

} // namespace

PriceChanges CollectPriceChanges(const std::vector<const HistoryEntry*>& lines) {
    PriceChanges changes;
    for (const HistoryEntry* line : lines) {
        const std::string& oldPrice = line->Field(OldPriceField);
        const std::string& newPrice = line->Field(NewPriceField);
        if (newPrice.empty()) {
            continue; // an erase
        }
        if (oldPrice == UnknownValue) {
            ++changes.UnknownOld;
            continue;
        }
        if (!KnownPrice(oldPrice)) {
            continue; // a new article: nothing on stock had a price before
        }
        const PriceChange change{line, ReadDouble(oldPrice.c_str()), ReadDouble(newPrice.c_str())};
        if (Hundredths(change.OldPrice) != Hundredths(change.NewPrice)) {
            changes.Rows.push_back(change);
        }
    }
    return changes;
}
