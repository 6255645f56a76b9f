// talon-emulator: the register stand-in as a program of its own.
#include <csignal>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "emulator/command_line.h"
#include "emulator/device_link.h"
#include "emulator/talon_emulator.h"

namespace {
constexpr int ExitUsage = 2;
constexpr int ExitFailure = 1;

// The signals that end the emulator, and SIGUSR1, which asks for the line's byte count;
// they are waited for, not handled asynchronously.
sigset_t EndingSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGHUP);
    sigaddset(&set, SIGUSR1);
    return set;
}

int Serve(const EmulatorCommandLine& line, const sigset_t& ending) {
    TalonEmulator emulator(line.Options);
    if (line.Listen) {
        emulator.Listen(line.Listen->Host, line.Listen->Port);
    } else {
        emulator.Start();
    }
    DeviceLink link;
    if (!line.LinkPath.empty()) {
        link.Make(line.LinkPath, emulator.DevicePath());
    }
    // Programs read the first line to learn the device, so it is the path alone.
    std::printf("%s\n", emulator.DevicePath().c_str());
    std::fflush(stdout);
    std::fprintf(stderr, "Talon emulator serving %s%s%s; Ctrl+C ends it.\n",
                 emulator.DevicePath().c_str(), line.LinkPath.empty() ? "" : " as ",
                 line.LinkPath.c_str());
    int received = 0;
    while (sigwait(&ending, &received) == 0 && received == SIGUSR1) {
        // Benchmarks read this to know the line time of what crossed the line.
        std::printf("line-bytes %llu\n", static_cast<unsigned long long>(emulator.LineBytes()));
        std::fflush(stdout);
    }
    emulator.Stop();
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    const EmulatorCommandLine line =
        ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!line.Error.empty()) {
        std::fprintf(stderr, "talon-emulator: %s\n%s", line.Error.c_str(), EmulatorUsage);
        return ExitUsage;
    }
    if (line.ShowHelp) {
        std::fputs(EmulatorUsage, stdout);
        return 0;
    }
    // Blocked before any thread starts, so only sigwait below receives them.
    const sigset_t ending = EndingSignals();
    pthread_sigmask(SIG_BLOCK, &ending, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    try {
        return Serve(line, ending);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "talon-emulator: %s\n", e.what());
        return ExitFailure;
    }
}
