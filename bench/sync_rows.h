#pragma once

#include <vector>

#include "bench/bench_table.h"

// Sending only what changed: 30 new prices among 2998 articles against a full send, a
// sync with nothing to write, and a sync taking up a full send killed half-way.
void SyncRows(std::vector<BenchRow>& rows);
// The last row alone.
void ResumeRows(std::vector<BenchRow>& rows);
