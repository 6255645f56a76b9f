#include "emulator/line_pacer.h"

#include <algorithm>

namespace {
using std::chrono::duration_cast;
using std::chrono::milliseconds;
using std::chrono::nanoseconds;

constexpr long long BitsPerByte = 10; // start bit, eight data bits, stop bit
constexpr long long NanosPerSecond = 1000000000;
} // namespace

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

bool LinePacer::Send(LineEnd& line, const std::string& bytes, LineClock::time_point arrived) {
    const LineClock::time_point start = std::max(arrived + Delay, OutboundFree);
    if (ByteTime == LineClock::duration::zero()) {
        return line.WaitUntil(start) && line.Write(bytes.data(), bytes.size());
    }
    return SendPaced(line, bytes, start);
}

bool LinePacer::SendPaced(LineEnd& line, const std::string& bytes, LineClock::time_point start) {
    // Each byte is handed over when its last bit would be on the far side; the instants
    // count from one start so waiting errors do not add up.
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const LineClock::time_point due = start + ByteTime * static_cast<long long>(i + 1);
        if (!line.WaitUntil(due) || !line.Write(&bytes[i], 1)) {
            return false;
        }
        OutboundFree = due;
    }
    return true;
}
