#include "cli/port_targets.h"

#include <stdexcept>

#include "cli/emulator_child.h"
#include "serial/port_devices.h"
#include "tills/till.h"

namespace {

const char* const DemoOption = "--demo";
const char* const EmulatorFailedLine = "Emulator nije moguce pokrenuti: ";

// The n-th emulator of the command line (from 1) gets an image of its own.
void StartEmulator(PortTarget& target, int number) {
    const std::string program = EmulatorChild::FindProgram();
    if (program.empty()) {
        target.Failure = std::string(EmulatorFailedLine) + "program talon-emulator nije pronadjen";
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
        if (!target.Saved) {
            target.Name += " " + served; // several emulators told apart
        }
    } catch (const std::runtime_error& error) {
        target.Failure = EmulatorFailedLine + std::string(error.what());
    }
}

} // namespace

PortTarget TargetMaker::OfPort(const std::string& given) {
    PortTarget target;
    target.Name = given;
    target.Port = given;
    if (AimAtPort(target, given) == PortKind::Emulator) {
        StartEmulator(target, ++Emulators);
    }
    return target;
}

PortTarget TargetMaker::OfTill(const Till& till) {
    PortTarget target;
    static_cast<TillTarget&>(target) = TillTargetOf(till, false);
    target.Saved = true;
    target.Port = till.Port;
    if (till.Port == EmulatorPort) {
        StartEmulator(target, ++Emulators);
    }
    return target;
}

std::vector<PortTarget> ResolvePorts(const std::vector<std::string>& givenPorts) {
    TargetMaker maker;
    std::vector<PortTarget> targets;
    for (const std::string& given : givenPorts) {
        targets.push_back(maker.OfPort(given));
    }
    return targets;
}
