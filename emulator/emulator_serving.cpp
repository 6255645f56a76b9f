// The serving thread: reads the program's bytes, answers each enquiry and frame.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <unistd.h>

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

void TalonEmulator::State::Serve(int master) {
    FrameReader reader;
    LinePacer pacer(Options.BaudRate, Options.CommandDelayMs);
    char buffer[ReadChunk];
    while (!Stop.Raised()) {
        pollfd fds[2] = {{Stop.Fd(), POLLIN, 0}, {master, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            std::fprintf(stderr, "talon emulator: poll: %s\n", std::strerror(errno));
            return;
        }
        if (Stop.Raised()) {
            return;
        }
        const ssize_t n = read(master, buffer, sizeof buffer);
        const LineClock::time_point readAt = LineClock::now();
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            continue;
        }
        if (n == 0) {
            return; // a connection the program closed
        }
        if (n < 0) {
            std::fprintf(stderr, "talon emulator: reading the device: %s\n", std::strerror(errno));
            return;
        }
        LineBytes += static_cast<std::uint64_t>(n);
        for (ssize_t i = 0; i < n; ++i) {
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
            if (!pacer.Send(master, *reply, arrived, Stop)) {
                return;
            }
        }
    }
}

void TalonEmulator::State::ServeConnections() {
    while (!Stop.Raised()) {
        pollfd fds[2] = {{Stop.Fd(), POLLIN, 0}, {Listener.Fd(), POLLIN, 0}};
        if (poll(fds, 2, -1) < 0 && errno != EINTR) {
            std::fprintf(stderr, "talon emulator: poll: %s\n", std::strerror(errno));
            return;
        }
        if (Stop.Raised() || fds[1].revents == 0) {
            continue;
        }
        const int connection = Listener.Accept();
        if (connection >= 0) {
            Serve(connection);
            close(connection);
        }
    }
}
