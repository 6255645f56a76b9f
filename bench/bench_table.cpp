#include "bench/bench_table.h"

#include <algorithm>
#include <cstdio>

double Median(std::vector<double> samples) {
    if (samples.empty())
        return 0.0;
    std::sort(samples.begin(), samples.end());
    const size_t mid = samples.size() / 2;
    return samples.size() % 2 ? samples[mid] : (samples[mid - 1] + samples[mid]) / 2.0;
}

static bool Meets(const BenchRow& row, double figure) {
    return row.LowerIsBetter ? figure <= row.Goal : figure >= row.Goal;
}

void PrintBenchTable(const std::vector<BenchRow>& rows) {
    std::printf("%-58s %12s %12s %12s %12s %8s %5s  %s\n", "row", "median", "min", "max", "goal",
                "ratio", "runs", "verdict");
    for (const BenchRow& row : rows) {
        const double figure = Median(row.Samples);
        const auto [low, high] = std::minmax_element(row.Samples.begin(), row.Samples.end());
        const double ratio = row.Goal != 0.0 ? figure / row.Goal : 0.0;
        const char* verdict = row.Goal == 0.0 ? "info" : (Meets(row, figure) ? "ok" : "MISSED");
        std::printf("%-58s %12.4g %12.4g %12.4g %12.4g %8.3f %5zu  %s %s\n", row.Name.c_str(),
                    figure, row.Samples.empty() ? 0.0 : *low, row.Samples.empty() ? 0.0 : *high,
                    row.Goal, ratio, row.Samples.size(), verdict, row.Unit.c_str());
    }
}
