#pragma once

#include <vector>

#include "bench/bench_table.h"

// The command line's rows: a send through it against the line's limit, four registers in
// the time of one (by port, and as saved tills), and its start-up to the first byte on the
// line.
void CommandLineRows(std::vector<BenchRow>& rows);
