#pragma once

#include <optional>
#include <string>
#include <vector>

#include "emulator/talon_emulator.h"
#include "serial/network_address.h"

// What talon-emulator was asked on its command line.
struct EmulatorCommandLine {
    EmulatorOptions Options;
    std::string LinkPath;                 // also make this symbolic link to the device
    std::optional<NetworkAddress> Listen; // serve this TCP address instead of a device
    bool ShowHelp = false;
    std::string Error; // not empty: the line was not understood, and why
};

// The arguments after the program name; "--name value" and "--name=value" both work.
EmulatorCommandLine ParseCommandLine(const std::vector<std::string>& args);
extern const char EmulatorUsage[];
