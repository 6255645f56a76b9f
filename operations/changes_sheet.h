#pragma once

#include <vector>

#include "operations/history_entry.h"

class WorkbookWriter;

// The sheet "Izmene": the till, then every column of the record, one row a line (every
// operation). Locations and prices are numbers where the line holds one, the rest text.
void WriteChangesSheet(WorkbookWriter& book, const std::vector<const HistoryEntry*>& lines);
