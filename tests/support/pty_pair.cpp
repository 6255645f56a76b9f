#include "tests/support/pty_pair.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace {

[[noreturn]] void Fail(const char* what) {
    throw std::runtime_error(std::string("PtyPair: ") + what + ": " + std::strerror(errno));
}

// Waits for the master to become readable; false on time-out or hang-up without data.
bool WaitReadable(int fd, int timeoutMs) {
    pollfd p{fd, POLLIN, 0};
    for (;;) {
        int r = poll(&p, 1, timeoutMs);
        if (r < 0 && errno == EINTR)
            continue;
        return r > 0 && (p.revents & POLLIN) != 0;
    }
}

// Reads one chunk of at most max bytes; 0 when nothing could be read.
size_t ReadChunk(int fd, char* buf, size_t max) {
    for (;;) {
        ssize_t n = read(fd, buf, max);
        if (n < 0 && errno == EINTR)
            continue;
        return n > 0 ? static_cast<size_t>(n) : 0;
    }
}

} // namespace

PtyPair::PtyPair() {
    Master = posix_openpt(O_RDWR | O_NOCTTY);
    if (Master < 0)
        Fail("posix_openpt");
    if (grantpt(Master) != 0 || unlockpt(Master) != 0) {
        close(Master);
        Fail("grantpt/unlockpt");
    }
    char name[128] = {};
    if (ptsname_r(Master, name, sizeof name) != 0) {
        close(Master);
        Fail("ptsname_r");
    }
    Slave = name;
    KeepSlave = open(name, O_RDWR | O_NOCTTY);
    if (KeepSlave < 0) {
        close(Master);
        Fail("open slave");
    }
    termios t{};
    if (tcgetattr(KeepSlave, &t) == 0) {
        cfmakeraw(&t);
        tcsetattr(KeepSlave, TCSANOW, &t);
    }
    fcntl(Master, F_SETFL, fcntl(Master, F_GETFL) | O_NONBLOCK);
}

PtyPair::~PtyPair() {
    if (Master >= 0)
        close(Master);
    if (KeepSlave >= 0)
        close(KeepSlave);
}

void PtyPair::Send(const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = write(Master, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN) {
            pollfd p{Master, POLLOUT, 0};
            poll(&p, 1, 1000);
            continue;
        }
        Fail("write");
    }
}

std::string PtyPair::Receive(int timeoutMs, int quietMs) {
    std::string out;
    char buf[4096];
    int wait = timeoutMs;
    while (WaitReadable(Master, wait)) {
        size_t n = ReadChunk(Master, buf, sizeof buf);
        if (n == 0)
            break;
        out.append(buf, n);
        wait = quietMs;
    }
    return out;
}

std::string PtyPair::ReceiveCount(size_t n, int timeoutMs) {
    std::string out;
    char buf[4096];
    while (out.size() < n && WaitReadable(Master, timeoutMs)) {
        size_t want = n - out.size() < sizeof buf ? n - out.size() : sizeof buf;
        size_t got = ReadChunk(Master, buf, want);
        if (got == 0)
            break;
        out.append(buf, got);
    }
    return out;
}

void PtyPair::CloseMaster() {
    if (Master >= 0)
        close(Master);
    Master = -1;
}
