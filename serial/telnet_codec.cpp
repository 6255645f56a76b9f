#include "serial/telnet_codec.h"

namespace {

bool IsNegotiation(unsigned char byte) {
    return byte >= Telnet::Will && byte <= Telnet::Dont;
}

char Byte(unsigned char value) {
    return static_cast<char>(value);
}

} // namespace

void TelnetDecoder::Feed(const std::string& bytes, std::string& data,
                         std::vector<TelnetCommand>& commands) {
    for (char c : bytes) {
        Take(static_cast<unsigned char>(c), data, commands);
    }
}

void TelnetDecoder::Take(unsigned char byte, std::string& data,
                         std::vector<TelnetCommand>& commands) {
    switch (At) {
    case Stage::Data:
        if (byte == Telnet::Iac) {
            At = Stage::Command;
        } else {
            data += Byte(byte);
        }
        return;
    case Stage::Command:
        Pending = TelnetCommand{byte, 0, {}};
        if (byte == Telnet::Iac) {
            data += Byte(byte);
        }
        At = IsNegotiation(byte) || byte == Telnet::Sb ? Stage::Option : Stage::Data;
        return;
    case Stage::Option:
        Pending.Option = byte;
        if (Pending.Verb == Telnet::Sb) {
            At = Stage::Sub;
            return;
        }
        commands.push_back(Pending);
        At = Stage::Data;
        return;
    case Stage::Sub:
        if (byte == Telnet::Iac) {
            At = Stage::SubCommand;
        } else {
            Pending.Payload += Byte(byte);
        }
        return;
    case Stage::SubCommand:
        if (byte == Telnet::Se) {
            commands.push_back(Pending);
            At = Stage::Data;
            return;
        }
        // IAC IAC stands for 0xFF; any other command inside is not ours to keep.
        if (byte == Telnet::Iac) {
            Pending.Payload += Byte(byte);
        }
        At = Stage::Sub;
        return;
    }
}

std::string TelnetEscaped(const std::string& data) {
    std::string escaped;
    escaped.reserve(data.size());
    for (char c : data) {
        escaped += c;
        if (static_cast<unsigned char>(c) == Telnet::Iac) {
            escaped += c;
        }
    }
    return escaped;
}

std::string TelnetNegotiation(unsigned char verb, unsigned char option) {
    return {Byte(Telnet::Iac), Byte(verb), Byte(option)};
}

std::string TelnetSubnegotiation(unsigned char option, const std::string& payload) {
    return std::string{Byte(Telnet::Iac), Byte(Telnet::Sb), Byte(option)} + TelnetEscaped(payload) +
           std::string{Byte(Telnet::Iac), Byte(Telnet::Se)};
}
