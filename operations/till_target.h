#pragma once

#include <optional>
#include <string>

#include "operations/connect_register.h"
#include "serial/network_address.h"
#include "text/ecr_string.h"

struct Till;

// One register to work with beside others: what its link opens and how it logs in.
struct TillTarget {
    std::string Name; // UTF-8: how its log lines ("[NAME] ") and its result name it
    int Number = 0;   // the serial port number the link opens (see AimAtPort)
    std::optional<NetworkAddress> Address; // set: a network converter instead
    int Speed = SlowSpeed;
    ECRString Password;
    bool Printing = false;
    std::string Failure; // UTF-8: why the port cannot be used; empty when it can
};

// What a port as typed names.
enum class PortKind { Numbered, Path, Network, Emulator };

// The emulator's port as typed.
inline constexpr char EmulatorPort[] = "emulator";

// Aims the target at a port as typed: "1" to "255", "COMn" and "\\.\COMn" are port
// numbers; tcp:// and rfc2217:// addresses network converters; anything else a device
// path, registered (RegisterPortDevice) under a number of its own beyond every real port.
// "emulator" gets such a number with nothing registered: the caller starts its emulator
// and registers the emulator's device under Number.
PortKind AimAtPort(TillTarget& target, const std::string& port);

// A saved till's target, named after it, with its port aimed at, its speed and password.
TillTarget TillTargetOf(const Till& till, bool printing);
