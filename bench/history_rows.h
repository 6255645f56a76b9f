#pragma once

#include <vector>

#include "bench/bench_table.h"

// The record of changes: the page "Istorija" opened over 100,000 lines and filtered by a
// typed text, and a nivelacija of 10,000 price changes written by the command line.
void HistoryRows(std::vector<BenchRow>& rows);
