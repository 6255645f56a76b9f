#pragma once

#include <memory>
#include <string>
#include <vector>

#include "operations/till_target.h"

class EmulatorChild;
struct Till;

// One register to work with: the till target the run connects to (named after the port
// as given, or after the saved till), and the emulator behind it when "emulator" was
// asked for.
struct PortTarget : TillTarget {
    std::shared_ptr<EmulatorChild> Emulator;
    bool Saved = false; // a saved till's: every line of it carries its name
    std::string Port;   // as given or saved
};

// Makes the targets of one command line, all before any register work starts. Every
// emulator started gets a fiscal module id of its own (TE000001, TE000002, ...).
class TargetMaker {
public:
    // A port as --port gives it (see AimAtPort).
    PortTarget OfPort(const std::string& given);
    // A saved till, with its own speed and password.
    PortTarget OfTill(const Till& till);

private:
    int Emulators = 0;
};

// The targets of ports as given.
std::vector<PortTarget> ResolvePorts(const std::vector<std::string>& givenPorts);
