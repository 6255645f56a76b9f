#include "ui/main/port_list.h"

bool EmulatorOffered() {
    return true;
}
