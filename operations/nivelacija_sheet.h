#pragma once

#include <functional>
#include <string>
#include <vector>

#include "operations/price_changes.h"

class WorkbookWriter;

// What the document's title rows say.
struct NivelacijaTitle {
    std::string From; // "YYYY-MM-DD", or "" when not known
    std::string To;
    std::vector<std::string> Tills; // as shown
};

using TaxRateOf = std::function<std::string(const HistoryEntry& line)>; // "" when not known

// The sheet "Nivelacija": the title rows, the heading, one row a price change and a last row
// of sums. The quantity is left for the shop to type; the differences and values are
// formulas of it, so the document completes itself in the spreadsheet.
void WriteNivelacijaSheet(WorkbookWriter& book, const NivelacijaTitle& title,
                          const std::vector<PriceChange>& changes, const TaxRateOf& taxRate);
