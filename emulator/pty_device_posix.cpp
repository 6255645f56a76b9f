#include "emulator/pty_device.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace {
constexpr std::size_t PathSize = 128;

[[noreturn]] void Fail(const char* what) {
    throw std::runtime_error(std::string("pseudo-terminal: ") + what + ": " + std::strerror(errno));
}

void CloseFd(int& fd) {
    if (fd >= 0) {
        close(fd);
        fd = -1;
    }
}
} // namespace

void PtyDevice::Open() {
    Close();
    Master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (Master < 0) {
        Fail("posix_openpt");
    }
    char name[PathSize] = {};
    if (grantpt(Master) != 0 || unlockpt(Master) != 0 ||
        ptsname_r(Master, name, sizeof name) != 0) {
        const int saved = errno;
        CloseFd(Master);
        errno = saved;
        Fail("grantpt/unlockpt/ptsname");
    }
    KeptSlave = open(name, O_RDWR | O_NOCTTY);
    termios settings{};
    if (KeptSlave < 0 || tcgetattr(KeptSlave, &settings) != 0) {
        const int saved = errno;
        Close();
        errno = saved;
        Fail("open slave");
    }
    cfmakeraw(&settings);
    if (tcsetattr(KeptSlave, TCSANOW, &settings) != 0) {
        const int saved = errno;
        Close();
        errno = saved;
        Fail("raw mode");
    }
    Slave = name;
}

void PtyDevice::Close() {
    CloseFd(KeptSlave);
    CloseFd(Master);
}
