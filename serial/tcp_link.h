#pragma once

#include <string>

#include "serial/comm.h"
#include "serial/net_socket.h"
#include "serial/network_address.h"

// The register's serial line offered by a network converter as raw TCP: the bytes pass
// as they are and the converter keeps its own line settings. Reads keep the serial
// link's rules (a time-out per byte, a zero byte ends a read); a connection the
// converter closed while nothing was asked is opened again before the next exchange.
class TcpLink : public SerialComm {
public:
    TcpLink(const PortSettings& settings, NetworkAddress address);
    ~TcpLink() override;
    TcpLink(const TcpLink&) = delete;
    TcpLink& operator=(const TcpLink&) = delete;

    // Throws ECRError 1 with the reason when the converter cannot be reached.
    bool Open() override;
    bool Close() override;
    // Throws ECRError 16 when the connection is gone.
    bool Write(const ECRString& text) override;
    // Throw ECRError 16 when the connection goes while bytes are awaited.
    ECRString Read(int count, int timeoutMs) override;
    ECRString ReadUntil(const char* terminator, int timeoutMs) override;
    bool SetReadTimeout(int timeoutMs) override;
    // Drops what has arrived and, after a read cut short, what the converter still holds;
    // also where a connection closed in the meantime is opened again (throwing ECRError 1
    // when it cannot be).
    bool DiscardInput() override;
    std::string Shown() const override { return Address.Text; }

    static constexpr int ConnectTimeoutMs = 5000;

protected:
    // What a protocol on top of the bytes adds (RFC 2217's telnet layer).
    virtual void Negotiate() {}
    virtual std::string Encoded(const std::string& data) { return data; }
    virtual void Decode(const std::string& bytes, std::string& data) { data += bytes; }
    virtual void DiscardRemoteInput() {}

    // Sends bytes as they are; throws ECRError 16 when the connection is gone.
    void SendBytes(const std::string& bytes);
    // Waits up to timeoutMs (negative: for ever) for what the connection brings next and
    // decodes it; false on time-out; throws ECRError 16 when the connection is gone.
    bool ReceivePiece(int timeoutMs);

private:
    using ReadDone = bool (*)(const std::string& received, unsigned char last, int limit);
    ECRString Collect(int timeoutMs, int limit, ReadDone done);
    // Waits up to timeoutMs (0: for ever, as on the serial line) for data; false on
    // time-out.
    bool Fill(int timeoutMs);
    // The next data byte within the time-out; false on time-out.
    bool NextByte(int timeoutMs, unsigned char& byte);
    // Drops what has arrived; false when the far side has closed the connection.
    bool DrainArrived();

    NetworkAddress Address;
    NetSocket Socket;
    std::string Input; // data received and not yet read, from InputStart on
    std::size_t InputStart = 0;
    // A read was cut short or unread bytes were dropped: the converter may still hold
    // more of the same, to be purged before the next exchange.
    bool StaleMayFollow = true;
};
