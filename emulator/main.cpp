// talon-emulator: the register stand-in as a program of its own.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "emulator/command_line.h"
#include "emulator/device_link.h"
#include "emulator/end_request.h"
#include "emulator/talon_emulator.h"

namespace {
constexpr int ExitUsage = 2;
constexpr int ExitFailure = 1;

int Serve(const EmulatorCommandLine& line) {
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
    WaitForEndRequest(emulator);
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
    PrepareForEndRequest();
    try {
        return Serve(line);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "talon-emulator: %s\n", e.what());
        return ExitFailure;
    }
}
