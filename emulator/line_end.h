#pragma once

#include <cstddef>
#include <cstdint>

#include "emulator/stop_signal.h"

// What the emulator serves: a pseudo-terminal's master or one TCP connection, as a
// descriptor (a SOCKET on Windows).
using LineHandle = std::intptr_t;
constexpr LineHandle NoLine = -1;

// The emulator's end of one line, read and written as this system does it. Every wait
// also watches the stop signal, so a stop is taken at once. Failures are told on standard
// error.
class LineEnd {
public:
    LineEnd(LineHandle handle, const StopSignal& stop);
    ~LineEnd();
    LineEnd(const LineEnd&) = delete;
    LineEnd& operator=(const LineEnd&) = delete;

    // Waits for bytes and reads what is there: their count; 0 once the far side has
    // closed; -1 on a stop or a failure.
    long Read(char* buffer, std::size_t size);
    // Writes every byte, waiting while the line is full; false on a stop or a failure.
    bool Write(const char* data, std::size_t size);
    bool WaitUntil(StopSignal::Clock::time_point deadline) { return Stop.SleepUntil(deadline); }

private:
    LineHandle Handle;
    const StopSignal& Stop;
    // Windows: the event the socket's readiness sets (POSIX waits on the handle itself).
    [[maybe_unused]] std::intptr_t Readiness = 0;
};
