#include "cli/port_targets.h"

#include <stdexcept>

#include "cli/emulator_child.h"
#include "serial/port_devices.h"

namespace {

const char* const EmulatorSpec = "emulator";
const char* const PortPrefix = "COM";
const char* const DemoOption = "--demo";
constexpr int LastPortNumber = 255;
constexpr int FirstPathPort = LastPortNumber + 1; // beyond every real port number

int PortNumber(const std::string& spec) {
    const std::string digits = spec.compare(0, 3, PortPrefix) == 0 ? spec.substr(3) : spec;
    if (digits.empty() || digits.size() > 3 ||
        digits.find_first_not_of("0123456789") != std::string::npos) {
        return 0;
    }
    const int number = std::stoi(digits);
    return number <= LastPortNumber ? number : 0;
}

void StartEmulator(PortTarget& target) {
    const std::string program = EmulatorChild::FindProgram();
    if (program.empty()) {
        target.Failure = "program talon-emulator nije pronadjen";
        return;
    }
    try {
        target.Emulator =
            std::make_shared<EmulatorChild>(program, std::vector<std::string>{DemoOption});
        RegisterPortDevice(target.Number, target.Emulator->DevicePath());
        target.Shown += " " + target.Emulator->DevicePath(); // several emulators told apart
    } catch (const std::runtime_error& error) {
        target.Failure = error.what();
    }
}

} // namespace

std::vector<PortTarget> ResolvePorts(const std::vector<std::string>& specs) {
    std::vector<PortTarget> targets;
    int nextPathPort = FirstPathPort;
    for (const std::string& spec : specs) {
        PortTarget target;
        target.Shown = spec;
        target.Number = PortNumber(spec);
        if (target.Number == 0) {
            target.Number = nextPathPort++;
            if (spec == EmulatorSpec) {
                StartEmulator(target);
            } else {
                RegisterPortDevice(target.Number, spec);
            }
        }
        targets.push_back(std::move(target));
    }
    return targets;
}
