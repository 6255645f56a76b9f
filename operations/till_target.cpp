#include "operations/till_target.h"

#include <atomic>
#include <cctype>

#include "serial/com_names.h"
#include "serial/port_devices.h"
#include "text/code_page.h"
#include "text/digits.h"
#include "tills/till.h"

namespace {

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

// "7", "COM7", "com7" and "\\.\COM7" all name port 7, as Windows names it; 0 for
// anything else.
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

// Each device path and emulator of the program gets a number no other port has.
int NextPathPort() {
    static std::atomic<int> next{FirstPathPort};
    return next++;
}

} // namespace

PortKind AimAtPort(TillTarget& target, const std::string& port) {
    target.Address = ParseNetworkAddress(port);
    if (target.Address) {
        target.Number = 0;
        return PortKind::Network;
    }
    target.Number = PortNumber(port);
    if (target.Number != 0) {
        return PortKind::Numbered;
    }
    target.Number = NextPathPort();
    if (port == EmulatorPort) {
        return PortKind::Emulator;
    }
    RegisterPortDevice(target.Number, port);
    return PortKind::Path;
}

TillTarget TillTargetOf(const Till& till, bool printing) {
    TillTarget target;
    target.Name = till.Name;
    target.Speed = till.Speed;
    target.Password = Utf8ToCp1251(till.Password).c_str();
    target.Printing = printing;
    AimAtPort(target, till.Port);
    return target;
}
