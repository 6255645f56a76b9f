#include "bench/cli_rows.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include "bench/bench_articles.h"
#include "bench/cli_run.h"
#include "cli/emulator_child.h"

namespace {

constexpr int Baud = 9600;
constexpr int Articles = 300;
constexpr int Registers = 4;
constexpr int Runs = 3;
constexpr int StartRuns = 10;
const std::string CliFile = "/tmp/talon-bench-cli-articles.txt";
const std::string TillsData = "/tmp/talon-bench-tills"; // the saved tills and their images

double Now() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

double LineSeconds(long long bytes) {
    return bytes * 10.0 / Baud;
}

// Sends the file to every emulator at once; the wall time and each register's line time.
double SendToAll(std::vector<std::unique_ptr<EmulatorChild>>& emulators, double& slowestLine) {
    std::vector<std::string> args{"send", CliFile, "--quiet"};
    std::vector<long long> before;
    for (auto& emulator : emulators) {
        args.insert(args.end(), {"--port", emulator->DevicePath()});
        before.push_back(emulator->LineBytes());
    }
    const double start = Now();
    if (WaitCli(StartCli(args)) != 0) {
        throw std::runtime_error("talonsendplu-cli send failed");
    }
    const double seconds = Now() - start;
    slowestLine = 0;
    for (std::size_t i = 0; i < emulators.size(); ++i) {
        slowestLine = std::max(slowestLine, LineSeconds(emulators[i]->LineBytes() - before[i]));
    }
    return seconds;
}

std::vector<std::unique_ptr<EmulatorChild>> PacedEmulators(int count) {
    std::vector<std::unique_ptr<EmulatorChild>> emulators;
    for (int i = 0; i < count; ++i) {
        std::vector<std::string> args = OwnFiscalModule(i + 1);
        args.insert(args.end(), {"--baud", std::to_string(Baud)});
        emulators.push_back(std::make_unique<EmulatorChild>(TALON_EMULATOR_BIN, args));
    }
    return emulators;
}

void SendRows(std::vector<BenchRow>& rows) {
    BenchRow one{"cli send 300 at 9600: time / line time", "(ratio)", {}, 1.02};
    BenchRow four{
        "cli send 300 to 4 registers at once: time / slowest line time", "(ratio)", {}, 1.05};
    WriteArticleFile(CliFile, Articles);
    for (int run = 0; run < Runs; ++run) {
        double line = 0;
        auto single = PacedEmulators(1);
        const double seconds = SendToAll(single, line);
        one.Samples.push_back(seconds / line);
        std::fprintf(stderr, "  cli 1 register run %d: %.3f s (line %.3f s)\n", run + 1, seconds,
                     line);
        auto several = PacedEmulators(Registers);
        const double wall = SendToAll(several, line);
        four.Samples.push_back(wall / line);
        std::fprintf(stderr, "  cli 4 registers run %d: %.3f s (slowest line %.3f s)\n", run + 1,
                     wall, line);
    }
    rows.insert(rows.end(), {one, four});
}

double TimedCli(const std::vector<std::string>& args) {
    const double start = Now();
    if (WaitCli(StartCli(args)) != 0) {
        throw std::runtime_error("talonsendplu-cli " + args.front() + " failed");
    }
    return Now() - start;
}

// Four saved tills at once (--all) against one of them alone (--register), each paced.
void SavedTillsRow(std::vector<BenchRow>& rows) {
    BenchRow row{"cli send 300 to 4 saved tills at once / to one alone", "(ratio)", {}, 1.05};
    const char* before = std::getenv("XDG_DATA_HOME");
    const std::string kept = before != nullptr ? before : "";
    std::filesystem::remove_all(TillsData);
    setenv("XDG_DATA_HOME", TillsData.c_str(), 1);
    for (int run = 0; run < Runs; ++run) {
        auto emulators = PacedEmulators(Registers);
        for (int i = 0; i < Registers; ++i) {
            TimedCli({"registers", "add", "Kasa " + std::to_string(i + 1), "--port",
                      emulators[i]->DevicePath(), "--quiet"});
        }
        const double one = TimedCli({"send", CliFile, "--register", "Kasa 1", "--quiet"});
        const double all = TimedCli({"send", CliFile, "--all", "--quiet"});
        row.Samples.push_back(all / one);
        std::fprintf(stderr, "  cli saved tills run %d: 4 at once %.3f s, one alone %.3f s\n",
                     run + 1, all, one);
    }
    if (before != nullptr) {
        setenv("XDG_DATA_HOME", kept.c_str(), 1);
    } else {
        unsetenv("XDG_DATA_HOME");
    }
    rows.push_back(row);
}

// A raw pseudo-terminal that nobody answers: the time until the program's first byte.
double TimeToFirstByte() {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        throw std::runtime_error("no pseudo-terminal");
    }
    termios raw{};
    tcgetattr(master, &raw);
    cfmakeraw(&raw);
    tcsetattr(master, TCSANOW, &raw);
    const std::string slave = ptsname(master);
    const double start = Now();
    const pid_t pid = StartCli({"status", "--quiet", "--port", slave});
    pollfd ready{master, POLLIN, 0};
    const double seconds = poll(&ready, 1, 5000) == 1 ? Now() - start : -1;
    kill(pid, SIGKILL);
    WaitCli(pid);
    close(master);
    return seconds;
}

} // namespace

void CommandLineRows(std::vector<BenchRow>& rows) {
    BenchRow start{"cli start-up to the first byte on the line", "ms", {}, 50};
    for (int run = 0; run < StartRuns; ++run) {
        start.Samples.push_back(1000 * TimeToFirstByte());
    }
    rows.push_back(start);
    SendRows(rows);
    SavedTillsRow(rows);
}
