// The serving thread: reads the program's bytes, answers each enquiry and frame.
#include "ecr/control_bytes.h"
#include "emulator/command_dispatch.h"
#include "emulator/emulator_state.h"
#include "emulator/frame_reader.h"
#include "emulator/line_pacer.h"

namespace {
constexpr std::size_t ReadChunk = 4096;
} // namespace

std::optional<std::string> TalonEmulator::State::Answer(const std::string& unit) {
    const std::lock_guard<std::mutex> hold(Lock);
    const bool enquiry = FrameReader::IsEnquiry(unit);
    if (Options.KeepRecord) {
        Frames.push_back(HexBytes(unit));
        if (!enquiry) {
            Commands.push_back(FrameCommandText(unit));
        }
    }
    if (enquiry) {
        return Faults.MayAnswer() ? std::optional<std::string>(std::string(1, ControlByte::ACK))
                                  : std::nullopt;
    }
    if (!Faults.MayAnswer()) {
        return std::nullopt;
    }
    return AnswerFrame(unit, Register, Faults);
}

void TalonEmulator::State::Serve(LineHandle line) {
    LineEnd end(line, Stop);
    FrameReader reader;
    LinePacer pacer(Options.BaudRate, Options.CommandDelayMs);
    char buffer[ReadChunk];
    for (;;) {
        const long n = end.Read(buffer, sizeof buffer);
        const LineClock::time_point readAt = LineClock::now();
        if (n <= 0) {
            return; // stopped, failed, or a connection the program closed
        }
        LineBytes += static_cast<std::uint64_t>(n);
        for (long i = 0; i < n; ++i) {
            const LineClock::time_point arrived = pacer.Arrived(readAt);
            const std::optional<std::string> unit = reader.Push(buffer[i]);
            if (!unit) {
                continue;
            }
            const std::optional<std::string> reply = Answer(*unit);
            if (!reply) {
                continue;
            }
            LineBytes += reply->size();
            if (!pacer.Send(end, *reply, arrived)) {
                return;
            }
        }
    }
}

void TalonEmulator::State::ServeConnections() {
    while (!Stop.Raised()) {
        const LineHandle connection = Listener.Accept(Stop);
        if (connection != NoLine) {
            Serve(connection);
            TcpListener::CloseConnection(connection);
        }
    }
}
