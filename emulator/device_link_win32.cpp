// A link to a device needs a device: on Windows the emulator serves a TCP port instead,
// and never gets as far as this.
#include "emulator/device_link.h"

#include <stdexcept>

void DeviceLink::Make(const std::string&, const std::string&) {
    throw std::runtime_error("--link needs a pseudo-terminal, which Windows does not have");
}

void DeviceLink::Remove() {}
