#include "cli/port_targets.h"

#include <cctype>
#include <stdexcept>

#include "cli/emulator_child.h"
#include "serial/com_names.h"
#include "serial/port_devices.h"
#include "text/digits.h"

namespace {

const char* const EmulatorPort = "emulator";
const char* const DemoOption = "--demo";
constexpr int LastPortNumber = 255;
constexpr int FirstPathPort = LastPortNumber + 1; // beyond every real port number

bool StartsWithNoCase(const std::string& text, const std::string& start) {
    if (text.size() < start.size())
        return false;
    for (std::size_t i = 0; i < start.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(text[i])) !=
            std::toupper(static_cast<unsigned char>(start[i])))
            return false;
    }
    return true;
}

// "7", "COM7", "com7" and "\\.\COM7" all name port 7, as Windows names it.
int PortNumber(std::string given) {
    if (StartsWithNoCase(given, DeviceNamespace))
        given.erase(0, std::string(DeviceNamespace).size());
    const std::size_t prefix = std::string(ComNamePrefix).size();
    const std::string digits =
        StartsWithNoCase(given, ComNamePrefix) ? given.substr(prefix) : given;
    if (digits.size() > 3 || !AllDigits(digits)) {
        return 0;
    }
    const int number = std::stoi(digits);
    return number <= LastPortNumber ? number : 0;
}

// The n-th emulator of the command line (from 1) gets an image of its own.
void StartEmulator(PortTarget& target, int number) {
    const std::string program = EmulatorChild::FindProgram();
    if (program.empty()) {
        target.Failure = "program talon-emulator nije pronadjen";
        return;
    }
    try {
        std::vector<std::string> args = OwnFiscalModule(number);
        args.push_back(DemoOption);
        target.Emulator = std::make_shared<EmulatorChild>(program, args);
        const std::string& served = target.Emulator->DevicePath();
        // An emulator serving TCP (on Windows) is reached as a converter would be.
        target.Address = ParseNetworkAddress(served);
        if (!target.Address) {
            RegisterPortDevice(target.Number, served);
        }
        target.Shown += " " + served; // several emulators told apart
    } catch (const std::runtime_error& error) {
        target.Failure = error.what();
    }
}

} // namespace

std::vector<PortTarget> ResolvePorts(const std::vector<std::string>& givenPorts) {
    std::vector<PortTarget> targets;
    int nextPathPort = FirstPathPort;
    int emulators = 0;
    for (const std::string& given : givenPorts) {
        PortTarget target;
        target.Shown = given;
        target.Address = ParseNetworkAddress(given);
        target.Number = target.Address ? 0 : PortNumber(given);
        if (target.Number == 0 && !target.Address) {
            target.Number = nextPathPort++;
            if (given == EmulatorPort) {
                StartEmulator(target, ++emulators);
            } else {
                RegisterPortDevice(target.Number, given);
            }
        }
        targets.push_back(std::move(target));
    }
    return targets;
}
