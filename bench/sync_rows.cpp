#include "bench/sync_rows.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "bench/bench_articles.h"
#include "bench/cli_run.h"
#include "cli/emulator_child.h"

namespace {

constexpr int Baud = 9600;
constexpr int FullList = 2998;
constexpr int Changed = 30;
constexpr int Runs = 3;
const std::string Original = "/tmp/talon-bench-sync-original.txt";
const std::string Update = "/tmp/talon-bench-sync-update.txt";
const std::string ImageData = "/tmp/talon-bench-sync-data";

double Now() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

std::unique_ptr<EmulatorChild> Emulator(bool paced, const std::string& articles) {
    std::vector<std::string> args{"--limit", "3000"};
    if (paced) {
        args.insert(args.end(), {"--baud", std::to_string(Baud)});
    }
    if (!articles.empty()) {
        args.insert(args.end(), {"--articles", articles});
    }
    return std::make_unique<EmulatorChild>(TALON_EMULATOR_BIN, args);
}

// Seconds of one command line run and the line time of its exchanges.
double Timed(const std::vector<std::string>& verb, EmulatorChild& emulator, double& lineSeconds) {
    std::vector<std::string> args = verb;
    args.insert(args.end(), {"--quiet", "--port", emulator.DevicePath()});
    const long long before = emulator.LineBytes();
    const double start = Now();
    if (RunCliToEnd(args) != 0) {
        throw std::runtime_error("talonsendplu-cli " + verb.front() + " failed");
    }
    const double seconds = Now() - start;
    lineSeconds = (emulator.LineBytes() - before) * 10.0 / Baud;
    return seconds;
}

// A clean image of the original file: every emulator reports the same fiscal module id,
// so a fast one can make it for the paced one.
void MakeImage() {
    auto fast = Emulator(false, "");
    double ignored = 0;
    Timed({"send", Original}, *fast, ignored);
}

} // namespace

void SyncRows(std::vector<BenchRow>& rows) {
    BenchRow versusFull{
        "sync 2998 with 30 new prices at 9600: time / full send time", "(ratio)", {}, 0.02};
    BenchRow versusLine{
        "sync 2998 with 30 new prices at 9600: time / its line time", "(ratio)", {}, 1.05};
    BenchRow unchanged{"sync 2998, nothing changed, at 9600", "s", {}, 2};
    std::filesystem::remove_all(ImageData);
    setenv("XDG_DATA_HOME", ImageData.c_str(), 1);
    WriteArticleFile(Original, FullList);
    WriteChangedArticleFile(Update, FullList, Changed);
    double line = 0;
    auto full = Emulator(true, "");
    const double fullSend = Timed({"send", Original}, *full, line);
    std::fprintf(stderr, "  full send of %d at %d: %.1f s (line %.1f s)\n", FullList, Baud,
                 fullSend, line);
    for (int run = 0; run < Runs; ++run) {
        MakeImage();
        auto paced = Emulator(true, Original);
        const double sync = Timed({"sync", Update}, *paced, line);
        versusFull.Samples.push_back(sync / fullSend);
        versusLine.Samples.push_back(sync / line);
        const double again = Timed({"sync", Update}, *paced, line);
        unchanged.Samples.push_back(again);
        std::fprintf(stderr, "  sync run %d: %.2f s (line %.2f s), nothing changed %.2f s\n",
                     run + 1, sync, sync / versusLine.Samples.back(), again);
    }
    rows.insert(rows.end(), {versusFull, versusLine, unchanged});
}
