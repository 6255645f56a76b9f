#pragma once

#include <map>
#include <set>
#include <string>

#include "serial/tcp_link.h"
#include "serial/telnet_codec.h"

// The register's serial line offered by a network converter under RFC 2217 (telnet
// COM-port control): the program sets speed, data bits, parity and stop bits, data
// travels in telnet's binary mode with 0xFF doubled, and the converter's receive buffer
// is purged where the serial line discards its input. Control lines are set without
// waiting for an answer: some converters never confirm them.
class Rfc2217Link : public TcpLink {
public:
    using TcpLink::TcpLink;

    // How long each setting may take to be confirmed.
    static constexpr int ConfirmTimeoutMs = 3000;

protected:
    // Throws ECRError 1 (not RFC 2217) when the converter does not take the COM-port
    // option, or 3 when it does not confirm a line setting as asked.
    void Negotiate() override;
    std::string Encoded(const std::string& data) override { return TelnetEscaped(data); }
    void Decode(const std::string& bytes, std::string& data) override;
    void DiscardRemoteInput() override;

private:
    enum class Option { Asked, Accepted, Refused };

    void Say(unsigned char verb, unsigned char option);
    void Answer(const TelnetCommand& command);
    template <typename Done> bool AwaitConfirmation(Done done);
    void SetLine(unsigned char command, const std::string& value);
    void SetControlLines();

    TelnetDecoder Decoder;
    std::set<int> Said; // negotiations sent, verb and option, so that none is repeated
    Option ComPort = Option::Asked;
    std::map<unsigned char, std::string> Confirmed; // the converter's answers by command
};
