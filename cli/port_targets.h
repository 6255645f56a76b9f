#pragma once

#include <memory>
#include <string>
#include <vector>

class EmulatorChild;

// One register to work with: a port number the serial link opens, the text the log
// names it by, and the emulator behind it when "emulator" was asked for.
struct PortTarget {
    std::string Shown;
    int Number = 0;
    std::shared_ptr<EmulatorChild> Emulator;
    std::string Failure; // why the port cannot be used; empty when it can
};

// "1" to "255" (and "COMn") are port numbers; "emulator" starts the bundled emulator;
// anything else is a device path. Paths and emulators get port numbers of their own, all
// before any register work starts.
std::vector<PortTarget> ResolvePorts(const std::vector<std::string>& givenPorts);
