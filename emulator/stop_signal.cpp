#include "emulator/stop_signal.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <sys/eventfd.h>
#include <unistd.h>

StopSignal::StopSignal() : Event(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {
    if (Event < 0) {
        throw std::runtime_error(std::string("eventfd: ") + std::strerror(errno));
    }
}

StopSignal::~StopSignal() {
    close(Event);
}

void StopSignal::Raise() {
    Flag = true;
    const std::uint64_t one = 1;
    // A full counter still wakes the poll, so a failed write loses nothing.
    [[maybe_unused]] const ssize_t written = write(Event, &one, sizeof one);
}

void StopSignal::Reset() {
    std::uint64_t count = 0;
    while (read(Event, &count, sizeof count) > 0) {
    }
    Flag = false;
}
