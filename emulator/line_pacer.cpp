#include "emulator/line_pacer.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <unistd.h>

namespace {
using std::chrono::duration_cast;
using std::chrono::milliseconds;
using std::chrono::nanoseconds;

constexpr long long BitsPerByte = 10; // start bit, eight data bits, stop bit
constexpr long long NanosPerSecond = 1000000000;
// Waits longer than this watch the stop signal; shorter ones sleep to the exact instant.
constexpr milliseconds CoarseWaitMargin{2};

// steady_clock counts on CLOCK_MONOTONIC here, so its instants serve as absolute deadlines.
timespec ToTimespec(LineClock::time_point t) {
    const long long ns = duration_cast<nanoseconds>(t.time_since_epoch()).count();
    return timespec{static_cast<time_t>(ns / NanosPerSecond),
                    static_cast<long>(ns % NanosPerSecond)};
}

void SleepUntil(LineClock::time_point deadline) {
    const timespec at = ToTimespec(deadline);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr) == EINTR) {
    }
}

// Polls the stop signal and, when given, the device for writing.
bool PollStop(int fd, int timeoutMs, const StopSignal& stop) {
    pollfd fds[2] = {{stop.Fd(), POLLIN, 0}, {fd, POLLOUT, 0}};
    const nfds_t count = fd >= 0 ? 2 : 1;
    while (poll(fds, count, timeoutMs) < 0 && errno == EINTR) {
    }
    return !stop.Raised();
}

void Report(const char* what) {
    std::fprintf(stderr, "talon emulator: %s: %s\n", what, std::strerror(errno));
}
} // namespace

bool WaitUntil(LineClock::time_point deadline, const StopSignal& stop) {
    for (;;) {
        if (stop.Raised()) {
            return false;
        }
        const auto left = deadline - LineClock::now();
        if (left <= LineClock::duration::zero()) {
            return true;
        }
        if (left <= CoarseWaitMargin) {
            SleepUntil(deadline);
            return !stop.Raised();
        }
        const auto ms = duration_cast<milliseconds>(left - CoarseWaitMargin / 2).count();
        PollStop(-1, static_cast<int>(ms), stop);
    }
}

bool WriteAll(int fd, const char* data, std::size_t size, const StopSignal& stop) {
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
        if (!PollStop(fd, -1, stop)) {
            return false;
        }
    }
    return true;
}

LinePacer::LinePacer(int baudRate, int commandDelayMs)
    : ByteTime(baudRate > 0 ? duration_cast<LineClock::duration>(
                                  nanoseconds(BitsPerByte * NanosPerSecond / baudRate))
                            : LineClock::duration::zero()),
      Delay(milliseconds(std::max(commandDelayMs, 0))) {}

LineClock::time_point LinePacer::Arrived(LineClock::time_point readAt) {
    // Bytes read together went over the line one after another.
    InboundFree = std::max(InboundFree, readAt) + ByteTime;
    return InboundFree;
}

bool LinePacer::Send(int fd, const std::string& bytes, LineClock::time_point arrived,
                     const StopSignal& stop) {
    const LineClock::time_point start = std::max(arrived + Delay, OutboundFree);
    if (ByteTime == LineClock::duration::zero()) {
        return WaitUntil(start, stop) && WriteAll(fd, bytes.data(), bytes.size(), stop);
    }
    return SendPaced(fd, bytes, start, stop);
}

bool LinePacer::SendPaced(int fd, const std::string& bytes, LineClock::time_point start,
                          const StopSignal& stop) {
    // Each byte is handed over when its last bit would be on the far side; the instants
    // count from one start so waiting errors do not add up.
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const LineClock::time_point due = start + ByteTime * static_cast<long long>(i + 1);
        if (!WaitUntil(due, stop) || !WriteAll(fd, &bytes[i], 1, stop)) {
            return false;
        }
        OutboundFree = due;
    }
    return true;
}
