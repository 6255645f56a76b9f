#pragma once

#include <atomic>

// Wakes the serving thread at once: a flag and an eventfd that poll() can watch.
class StopSignal {
public:
    StopSignal(); // throws std::runtime_error when no eventfd can be made
    ~StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

    void Raise();
    void Reset();
    bool Raised() const { return Flag.load(); }
    int Fd() const { return Event; }

private:
    int Event = -1;
    std::atomic<bool> Flag{false};
};
