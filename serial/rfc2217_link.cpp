#include "serial/rfc2217_link.h"

#include <chrono>
#include <vector>

#include "serial/ecr_error.h"
#include "serial/time_left.h"

namespace {

using Clock = std::chrono::steady_clock;

// COM-port commands of the client; the converter answers each with the number + 100.
constexpr unsigned char SetBaudRate = 1;
constexpr unsigned char SetDataSize = 2;
constexpr unsigned char SetParity = 3;
constexpr unsigned char SetStopSize = 4;
constexpr unsigned char SetControl = 5;
constexpr unsigned char PurgeData = 12;
constexpr unsigned char AnswerOffset = 100;

constexpr unsigned char PurgeReceiveBuffer = 1;
constexpr unsigned char NoFlowControl = 1;
constexpr unsigned char DtrOn = 8, DtrOff = 9;
constexpr unsigned char RtsOn = 11, RtsOff = 12;
// Line modes of the port settings that raise the line: on, and handshake (which starts
// with it raised); off and toggle keep it low between sends.
constexpr int LineOn = 1;
constexpr int LineHandshake = 2;

// Our parity numbers (none, odd, even, mark, space) are one below RFC 2217's.
constexpr unsigned char ParityOffset = 1;
// Stop bits: ours 0 one, 1 one and a half, 2 two; RFC 2217's 1 one, 3 one and a half, 2 two.
constexpr unsigned char StopSizes[] = {1, 3, 2};
constexpr int LineModeMask = 3;

bool Raised(std::int32_t mode) {
    return (mode & LineModeMask) == LineOn || (mode & LineModeMask) == LineHandshake;
}

std::string OneByte(unsigned char value) {
    return std::string(1, static_cast<char>(value));
}

std::string BigEndian32(std::uint32_t value) {
    return {static_cast<char>(value >> 24), static_cast<char>(value >> 16),
            static_cast<char>(value >> 8), static_cast<char>(value)};
}

int Key(unsigned char verb, unsigned char option) {
    return verb << 8 | option;
}

} // namespace

void Rfc2217Link::Say(unsigned char verb, unsigned char option) {
    if (Said.insert(Key(verb, option)).second) {
        SendBytes(TelnetNegotiation(verb, option));
    }
}

void Rfc2217Link::Answer(const TelnetCommand& command) {
    const bool ours = command.Option == Telnet::ComPort || command.Option == Telnet::Binary;
    switch (command.Verb) {
    case Telnet::Do:
        ComPort = command.Option == Telnet::ComPort ? Option::Accepted : ComPort;
        Say(ours ? Telnet::Will : Telnet::Wont, command.Option);
        break;
    case Telnet::Dont:
        ComPort = command.Option == Telnet::ComPort ? Option::Refused : ComPort;
        break;
    case Telnet::Will:
        // Binary both ways; anything else (echo above all) stays off.
        Say(command.Option == Telnet::Binary ? Telnet::Do : Telnet::Dont, command.Option);
        break;
    case Telnet::Sb:
        if (command.Option == Telnet::ComPort && !command.Payload.empty()) {
            Confirmed[static_cast<unsigned char>(command.Payload[0])] = command.Payload.substr(1);
        }
        break;
    default:
        break; // a WONT changes nothing we rely on
    }
}

void Rfc2217Link::Decode(const std::string& bytes, std::string& data) {
    std::vector<TelnetCommand> commands;
    Decoder.Feed(bytes, data, commands);
    for (const TelnetCommand& command : commands) {
        Answer(command);
    }
}

template <typename Done> bool Rfc2217Link::AwaitConfirmation(Done done) {
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(ConfirmTimeoutMs);
    while (!done()) {
        const int left = MillisecondsLeft(deadline);
        if (left == 0 || !ReceivePiece(left)) {
            return done();
        }
    }
    return true;
}

void Rfc2217Link::SetLine(unsigned char command, const std::string& value) {
    const unsigned char answer = command + AnswerOffset;
    Confirmed.erase(answer);
    SendBytes(TelnetSubnegotiation(Telnet::ComPort, OneByte(command) + value));
    if (!AwaitConfirmation([&] { return Confirmed.count(answer) > 0; })) {
        throw ECRError(ErrorOpeningPort, PortFault::NoRfc2217);
    }
    if (Confirmed[answer] != value) {
        throw ECRError(ErrorApplyingSettings);
    }
}

void Rfc2217Link::SetControlLines() {
    const bool rts = Raised(Settings.GetHandshake());
    const bool dtr = Raised(Settings.GetDtrControl());
    for (unsigned char control : {NoFlowControl, dtr ? DtrOn : DtrOff, rts ? RtsOn : RtsOff}) {
        SendBytes(TelnetSubnegotiation(Telnet::ComPort, OneByte(SetControl) + OneByte(control)));
    }
}

void Rfc2217Link::Negotiate() {
    Decoder = TelnetDecoder();
    Said.clear();
    Confirmed.clear();
    ComPort = Option::Asked;
    try {
        Say(Telnet::Will, Telnet::ComPort);
        Say(Telnet::Will, Telnet::Binary);
        Say(Telnet::Do, Telnet::Binary);
        // A raw port passes these bytes to the line and answers nothing.
        if (!AwaitConfirmation([this] { return ComPort != Option::Asked; }) ||
            ComPort == Option::Refused) {
            throw ECRError(ErrorOpeningPort, PortFault::NoRfc2217);
        }
        const std::size_t stop = static_cast<std::size_t>(Settings.GetStopBits());
        SetLine(SetBaudRate, BigEndian32(static_cast<std::uint32_t>(Settings.GetBaudRate())));
        SetLine(SetDataSize, OneByte(static_cast<unsigned char>(Settings.GetByteSize())));
        SetLine(SetParity,
                OneByte(static_cast<unsigned char>(Settings.GetParity() + ParityOffset)));
        SetLine(SetStopSize, OneByte(stop < sizeof StopSizes ? StopSizes[stop] : 0));
        SetControlLines();
    } catch (const ECRError& error) {
        // A converter that closes the connection at once is refusing it.
        if (error.GetErrorCode() == ErrorConnectionLost) {
            throw ECRError(ErrorOpeningPort, PortFault::Refused);
        }
        throw;
    }
}

void Rfc2217Link::DiscardRemoteInput() {
    SendBytes(
        TelnetSubnegotiation(Telnet::ComPort, OneByte(PurgeData) + OneByte(PurgeReceiveBuffer)));
}
