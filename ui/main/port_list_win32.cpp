#include "ui/main/port_list.h"

// On Windows an item's port number is the COM number the link opens (\\.\COMn), so only
// the fixed items COM1 to COM4 can stand for a port: no other is listed. The emulator
// serves a Linux pseudo-terminal, so it is not offered either.

QList<PortEntry> SystemPorts(const QString& /*linkFolder*/) {
    return {};
}

bool EmulatorOffered() {
    return false;
}
