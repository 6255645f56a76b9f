#include "cli/emulator_child.h"

#include <stdexcept>

// The emulator serves a Linux pseudo-terminal; on Windows there is none to start, and the
// "emulator" port reports that its program is not found.

std::string EmulatorChild::FindProgram() {
    return {};
}

EmulatorChild::EmulatorChild(const std::string& binary, const std::vector<std::string>&) {
    throw std::runtime_error(binary + " ne radi na ovom sistemu");
}

EmulatorChild::~EmulatorChild() = default;

long long EmulatorChild::LineBytes() {
    return -1;
}

std::string EmulatorChild::ReadLine(int) {
    return {};
}
