// Windows has no pseudo-terminals: the emulator serves a TCP port there (--listen).
#include "emulator/pty_device.h"

#include <stdexcept>

void PtyDevice::Open() {
    throw std::runtime_error(
        "Windows has no pseudo-terminals: serve a TCP port, --listen tcp://127.0.0.1:PORT");
}

void PtyDevice::Close() {}
