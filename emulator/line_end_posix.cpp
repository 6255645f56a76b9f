#include "emulator/line_end.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <unistd.h>

namespace {

void Report(const char* what) {
    std::fprintf(stderr, "talon emulator: %s: %s\n", what, std::strerror(errno));
}

// True once the handle is ready for `events`; false on a stop or a failed wait.
bool WaitReady(int fd, short events, const StopSignal& stop) {
    pollfd fds[2] = {{static_cast<int>(stop.Handle()), POLLIN, 0}, {fd, events, 0}};
    while (poll(fds, 2, -1) < 0) {
        if (errno != EINTR) {
            Report("poll");
            return false;
        }
    }
    return !stop.Raised();
}

} // namespace

LineEnd::LineEnd(LineHandle handle, const StopSignal& stop) : Handle(handle), Stop(stop) {}

LineEnd::~LineEnd() = default;

long LineEnd::Read(char* buffer, std::size_t size) {
    const int fd = static_cast<int>(Handle);
    for (;;) {
        if (!WaitReady(fd, POLLIN, Stop)) {
            return -1;
        }
        const ssize_t n = read(fd, buffer, size);
        if (n >= 0) {
            return static_cast<long>(n);
        }
        if (errno != EAGAIN && errno != EINTR) {
            Report("reading the device");
            return -1;
        }
    }
}

bool LineEnd::Write(const char* data, std::size_t size) {
    const int fd = static_cast<int>(Handle);
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n > 0) {
            data += n;
            size -= static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) {
            Report("writing to the device");
            return false;
        }
        if (!WaitReady(fd, POLLOUT, Stop)) {
            return false;
        }
    }
    return true;
}
