#include "bench/sync_rows.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>

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
const std::string Journal = ImageData + "/talonsendplu/registers/TE000001.in-progress";
constexpr int KilledAfter = 1500;
constexpr int JournalPollMs = 20;
constexpr int QuietMs = 300;

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

// The writes the register accepted, as the journal of the running send tells them.
int JournalWrites() {
    std::ifstream file(Journal);
    std::string line;
    int writes = 0;
    while (std::getline(file, line)) {
        writes += line.rfind("W\t", 0) == 0 ? 1 : 0;
    }
    return writes;
}

// A full send killed after KilledAfter writes, then the sync that takes it up: its time
// against the line time of the writes that were left.
void ResumeRow(std::vector<BenchRow>& rows) {
    BenchRow resumed{"sync after a full send of 2998 killed at 1500, at 9600: time / line time "
                     "of the writes left",
                     "(ratio)",
                     {},
                     1.05};
    std::filesystem::remove_all(ImageData);
    setenv("XDG_DATA_HOME", ImageData.c_str(), 1);
    WriteArticleFile(Original, FullList);
    auto paced = Emulator(true, "");
    double line = 0;
    Timed({"list"}, *paced, line); // the empty register's clean image
    const long long before = paced->LineBytes();
    const pid_t send = StartCli({"send", Original, "--quiet", "--port", paced->DevicePath()});
    const double giveUp = Now() + 600; // a send that failed early never gets there
    while (JournalWrites() < KilledAfter && Now() < giveUp) {
        std::this_thread::sleep_for(std::chrono::milliseconds(JournalPollMs));
    }
    kill(send, SIGKILL);
    WaitCli(send);
    // The register still takes in and answers the command the killed program had sent; a
    // program started meanwhile would read that answer as its own.
    for (long long seen = -1; seen != paced->LineBytes();) {
        seen = paced->LineBytes();
        std::this_thread::sleep_for(std::chrono::milliseconds(QuietMs));
    }
    const int written = JournalWrites();
    const double writeLine = (paced->LineBytes() - before) * 10.0 / Baud / written;
    const int left = FullList - written;
    const double seconds = Timed({"sync", Original}, *paced, line);
    resumed.Samples.push_back(seconds / (left * writeLine));
    std::fprintf(stderr,
                 "  killed after %d writes; sync %.2f s for %d writes left (their line time "
                 "%.2f s; all its exchanges %.2f s)\n",
                 written, seconds, left, left * writeLine, line);
    rows.push_back(resumed);
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
    ResumeRow(rows);
}

void ResumeRows(std::vector<BenchRow>& rows) {
    ResumeRow(rows);
}
