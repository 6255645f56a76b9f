#include "emulator/stop_signal.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {
using std::chrono::duration_cast;
using std::chrono::milliseconds;
using std::chrono::nanoseconds;

constexpr long long NanosPerSecond = 1000000000;
// Waits longer than this watch the signal; shorter ones sleep to the exact instant.
constexpr milliseconds CoarseWaitMargin{2};

int Fd(std::intptr_t handle) {
    return static_cast<int>(handle);
}

// steady_clock counts on CLOCK_MONOTONIC here, so its instants serve as absolute deadlines.
void SleepToInstant(StopSignal::Clock::time_point deadline) {
    const long long ns = duration_cast<nanoseconds>(deadline.time_since_epoch()).count();
    const timespec at{static_cast<time_t>(ns / NanosPerSecond),
                      static_cast<long>(ns % NanosPerSecond)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr) == EINTR) {
    }
}
} // namespace

StopSignal::StopSignal() : Event(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {
    if (Event < 0) {
        throw std::runtime_error(std::string("eventfd: ") + std::strerror(errno));
    }
}

StopSignal::~StopSignal() {
    close(Fd(Event));
}

void StopSignal::Raise() {
    Flag = true;
    const std::uint64_t one = 1;
    // A full counter still wakes the poll, so a failed write loses nothing.
    [[maybe_unused]] const ssize_t written = write(Fd(Event), &one, sizeof one);
}

void StopSignal::Reset() {
    std::uint64_t count = 0;
    while (read(Fd(Event), &count, sizeof count) > 0) {
    }
    Flag = false;
}

bool StopSignal::SleepUntil(Clock::time_point deadline) const {
    for (;;) {
        if (Raised()) {
            return false;
        }
        const auto left = deadline - Clock::now();
        if (left <= Clock::duration::zero()) {
            return true;
        }
        if (left <= CoarseWaitMargin) {
            SleepToInstant(deadline);
            return !Raised();
        }
        const auto ms = duration_cast<milliseconds>(left - CoarseWaitMargin / 2).count();
        pollfd signal{Fd(Event), POLLIN, 0};
        (void)poll(&signal, 1, static_cast<int>(ms)); // EINTR only ends this round early
    }
}
