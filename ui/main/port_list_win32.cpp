#include "ui/main/port_list.h"

// The emulator serves a Linux pseudo-terminal, so Windows does not offer it.
bool EmulatorOffered() {
    return false;
}
