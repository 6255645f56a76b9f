#include "serial/port_devices.h"

#include <map>
#include <mutex>

#include "serial/com_names.h"
#include "text/digits.h"

namespace {

constexpr const char* DefaultDevicePrefix = "/dev/ttyS";
// More digits than this cannot be a port number that fits in an int.
constexpr std::size_t MaxPortDigits = 9;

std::mutex& TableLock() {
    static std::mutex lock;
    return lock;
}

std::map<int, std::string>& Table() {
    static std::map<int, std::string> table;
    return table;
}

bool StartsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

// The number in "COMn" or "\\.\COMn", or -1 when the name is not of that form.
int PortNumber(std::string name) {
    if (StartsWith(name, DeviceNamespace))
        name.erase(0, std::string(DeviceNamespace).size());
    const std::string prefix = ComNamePrefix;
    if (name.size() <= prefix.size() || !StartsWith(name, prefix))
        return -1;
    const std::string digits = name.substr(prefix.size());
    if (digits.size() > MaxPortDigits || !AllDigits(digits))
        return -1;
    return std::stoi(digits);
}

} // namespace

void RegisterPortDevice(int port, const std::string& devicePath) {
    std::lock_guard<std::mutex> guard(TableLock());
    Table()[port] = devicePath;
}

void UnregisterPortDevice(int port) {
    std::lock_guard<std::mutex> guard(TableLock());
    Table().erase(port);
}

std::string RegisteredPortDevice(int port) {
    std::lock_guard<std::mutex> guard(TableLock());
    auto found = Table().find(port);
    return found != Table().end() ? found->second : std::string();
}

std::string PortDevicePath(int port) {
    const std::string registered = RegisteredPortDevice(port);
    if (!registered.empty())
        return registered;
    return DefaultDevicePrefix + std::to_string(static_cast<long long>(port) - 1);
}

std::string DeviceForPortName(const std::string& name) {
    const int port = PortNumber(name);
    return port < 0 ? name : PortDevicePath(port);
}
