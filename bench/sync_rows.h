#pragma once

#include <vector>

#include "bench/bench_table.h"

// Sending only what changed: 30 new prices among 2998 articles against a full send, and
// a sync with nothing to write.
void SyncRows(std::vector<BenchRow>& rows);
