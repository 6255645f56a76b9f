#include "ui/main/port_list.h"

// Windows names a USB adapter COMn like any other port, so it is picked by its number;
// and the emulator serves a Linux pseudo-terminal, so it is not offered.

QStringList SerialAdapters(const QString& /*deviceFolder*/) {
    return {};
}

bool EmulatorOffered() {
    return false;
}
