#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "serial/network_address.h"

class EmulatorChild;

// One register to work with: a port number the serial link opens (or the network
// address a network link connects to), the text the log names it by, and the emulator
// behind it when "emulator" was asked for.
struct PortTarget {
    std::string Shown;
    int Number = 0;
    std::optional<NetworkAddress> Address;
    std::shared_ptr<EmulatorChild> Emulator;
    std::string Failure; // why the port cannot be used; empty when it can
};

// "1" to "255" (and "COMn") are port numbers; "emulator" starts the bundled emulator;
// "tcp://HOST:PORT" and "rfc2217://HOST:PORT" are network addresses; anything else is a
// device path. Paths and emulators get port numbers of their own, all
// before any register work starts.
std::vector<PortTarget> ResolvePorts(const std::vector<std::string>& givenPorts);
