#pragma once

#include <string>
#include <vector>

// One measured figure against its goal, from repeated runs.
struct BenchRow {
    std::string Name;
    std::string Unit;
    std::vector<double> Samples;
    double Goal = 0.0;
    bool LowerIsBetter = true; // the figure must stay at or under the goal
};

double Median(std::vector<double> samples);
// Prints the table: figure (median), min, max, goal, ratio figure/goal, verdict.
void PrintBenchTable(const std::vector<BenchRow>& rows);
