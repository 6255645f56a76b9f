#include "emulator/stop_signal.h"

#include <stdexcept>
#include <string>

#include "text/windows_api.h"

namespace {
HANDLE EventOf(std::intptr_t event) {
    return reinterpret_cast<HANDLE>(event);
}
} // namespace

// A manual-reset event: it stays set for every wait until Reset.
StopSignal::StopSignal()
    : Event(reinterpret_cast<std::intptr_t>(CreateEventW(nullptr, TRUE, FALSE, nullptr))) {
    if (Event == 0) {
        throw std::runtime_error("CreateEvent failed with " + std::to_string(GetLastError()));
    }
}

StopSignal::~StopSignal() {
    CloseHandle(EventOf(Event));
}

void StopSignal::Raise() {
    Flag = true;
    SetEvent(EventOf(Event));
}

void StopSignal::Reset() {
    ResetEvent(EventOf(Event));
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
        // Rounded up, so the wait never ends before the deadline only to wait again.
        const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
        WaitForSingleObject(EventOf(Event), static_cast<DWORD>(ms));
    }
}
