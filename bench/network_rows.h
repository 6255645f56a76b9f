#pragma once

#include <vector>

#include "bench/bench_table.h"

// The command line through ser2net's RFC 2217 port to the paced emulator: a send of 300
// against the line time, and the same send with the connection cut once half-way.
void NetworkRows(std::vector<BenchRow>& rows);
