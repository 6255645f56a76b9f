#pragma once

#include <string>
#include <vector>

#include "image/register_image.h"
#include "operations/history_entry.h"

// A record line tells a tax rate only when it changed. For each line of one till's record
// (in the record's order), the rate of the article a write left at its location: the
// line's own when it tells one, else followed back from what the till's image holds now
// through the later lines of that location. "" for an erase, and where the chain breaks
// (the location's barcode differs from the line's, or what it held before is not known).
std::vector<std::string> TaxRatesAfter(const std::vector<HistoryEntry>& record,
                                       const RegisterImage& image);
