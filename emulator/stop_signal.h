#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>

// Wakes the serving thread at once: a flag and an object the system's waits can watch
// (an eventfd on Linux, an event on Windows).
class StopSignal {
public:
    using Clock = std::chrono::steady_clock;

    StopSignal(); // throws std::runtime_error when the system gives no such object
    ~StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

    void Raise();
    void Reset();
    bool Raised() const { return Flag.load(); }
    // The object to wait on beside a line: a descriptor, or a HANDLE on Windows.
    std::intptr_t Handle() const { return Event; }
    // Waits until the deadline; false when the signal came first.
    bool SleepUntil(Clock::time_point deadline) const;

private:
    std::intptr_t Event = -1;
    std::atomic<bool> Flag{false};
};
