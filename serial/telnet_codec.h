#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The telnet layer of an RFC 2217 connection: data bytes travel with 0xFF doubled, and
// commands (option negotiation, subnegotiation) are mixed into the stream.
namespace Telnet {
constexpr unsigned char Iac = 255;
constexpr unsigned char Dont = 254;
constexpr unsigned char Do = 253;
constexpr unsigned char Wont = 252;
constexpr unsigned char Will = 251;
constexpr unsigned char Sb = 250;
constexpr unsigned char Se = 240;

constexpr unsigned char Binary = 0;
constexpr unsigned char ComPort = 44;
} // namespace Telnet

// One command taken out of the stream: a negotiation (Verb is Will, Wont, Do or Dont,
// Payload empty) or a subnegotiation (Verb is Sb, Payload its bytes, 0xFF undoubled).
struct TelnetCommand {
    unsigned char Verb = 0;
    unsigned char Option = 0;
    std::string Payload;
};

// Splits what arrives into data and commands; a command or a doubled 0xFF cut between
// two pieces is completed by the next. Other two-byte commands (NOP, GA...) are dropped.
class TelnetDecoder {
public:
    void Feed(const std::string& bytes, std::string& data, std::vector<TelnetCommand>& commands);

private:
    enum class Stage { Data, Command, Option, Sub, SubCommand };
    void Take(unsigned char byte, std::string& data, std::vector<TelnetCommand>& commands);

    Stage At = Stage::Data;
    TelnetCommand Pending;
};

// Data as it goes out: every 0xFF doubled.
std::string TelnetEscaped(const std::string& data);
// The bytes of a negotiation and of a subnegotiation (its payload escaped).
std::string TelnetNegotiation(unsigned char verb, unsigned char option);
std::string TelnetSubnegotiation(unsigned char option, const std::string& payload);
