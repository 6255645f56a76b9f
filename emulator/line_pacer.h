#pragma once

#include <chrono>
#include <string>

#include "emulator/stop_signal.h"

using LineClock = std::chrono::steady_clock;

// Puts the line's timing on the pseudo-terminal, which itself moves bytes at once: at a
// baud rate every byte takes 10 bit times in each direction, and each reply waits the
// command's processing delay.
class LinePacer {
public:
    LinePacer(int baudRate, int commandDelayMs);

    // Notes one byte from the program read at readAt; gives the instant its last bit
    // would have arrived on the real line.
    LineClock::time_point Arrived(LineClock::time_point readAt);
    // Sends a reply to a command that finished arriving at `arrived`. False when the
    // stop signal came first or the device failed.
    bool Send(int fd, const std::string& bytes, LineClock::time_point arrived,
              const StopSignal& stop);

private:
    bool SendPaced(int fd, const std::string& bytes, LineClock::time_point start,
                   const StopSignal& stop);

    LineClock::duration ByteTime; // zero: unpaced
    LineClock::duration Delay;
    LineClock::time_point InboundFree;
    LineClock::time_point OutboundFree;
};

// Waits until the deadline; false when the stop signal came first.
bool WaitUntil(LineClock::time_point deadline, const StopSignal& stop);
// Writes every byte, waiting while the device is full; false on stop or failure.
bool WriteAll(int fd, const char* data, std::size_t size, const StopSignal& stop);
