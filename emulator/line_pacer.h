#pragma once

#include <chrono>
#include <string>

#include "emulator/line_end.h"

using LineClock = StopSignal::Clock;

// Puts the line's timing on the pseudo-terminal or connection, which itself moves bytes at
// once: at a baud rate every byte takes 10 bit times in each direction, and each reply
// waits the command's processing delay.
class LinePacer {
public:
    LinePacer(int baudRate, int commandDelayMs);

    // Notes one byte from the program read at readAt; gives the instant its last bit
    // would have arrived on the real line.
    LineClock::time_point Arrived(LineClock::time_point readAt);
    // Sends a reply to a command that finished arriving at `arrived`. False when the
    // stop signal came first or the line failed.
    bool Send(LineEnd& line, const std::string& bytes, LineClock::time_point arrived);

private:
    bool SendPaced(LineEnd& line, const std::string& bytes, LineClock::time_point start);

    LineClock::duration ByteTime; // zero: unpaced
    LineClock::duration Delay;
    LineClock::time_point InboundFree;
    LineClock::time_point OutboundFree;
};
