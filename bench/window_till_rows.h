#pragma once

#include <vector>

#include "bench/bench_table.h"

// The page "Kase": the changes of 300 articles sent to four paced tills at once against one
// alone, through the window's own path (its threads and event loop).
void WindowTillsRow(std::vector<BenchRow>& rows);
