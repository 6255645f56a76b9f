#include "serial/tcp_link.h"

#include <chrono>

#include "serial/ecr_error.h"
#include "serial/time_left.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int NoWait = 0;
constexpr int WaitForever = -1;
// Far above the longest reply the register sends, as on the serial line.
constexpr std::size_t MaxReplyBytes = 8192;

} // namespace

TcpLink::TcpLink(const PortSettings& settings, NetworkAddress address)
    : SerialComm(settings), Address(std::move(address)) {}

TcpLink::~TcpLink() {
    Close();
}

bool TcpLink::Open() {
    Input.clear();
    InputStart = 0;
    StaleMayFollow = true; // whatever the line sent before the connection
    Socket.Connect(Address.Host, Address.Port, ConnectTimeoutMs);
    try {
        Negotiate();
    } catch (const ECRError&) {
        Socket.Close();
        throw;
    }
    return true;
}

bool TcpLink::Close() {
    const bool open = Socket.IsOpen();
    Socket.Close();
    return open;
}

void TcpLink::SendBytes(const std::string& bytes) {
    if (!Socket.Send(bytes)) {
        throw ECRError(ErrorConnectionLost);
    }
}

bool TcpLink::Write(const ECRString& text) {
    SendBytes(Encoded(std::string(text.Text(), text.GetLength())));
    return true;
}

bool TcpLink::ReceivePiece(int timeoutMs) {
    std::string bytes;
    switch (Socket.Receive(bytes, timeoutMs)) {
    case NetSocket::Received::TimedOut:
        return false;
    case NetSocket::Received::Closed:
        throw ECRError(ErrorConnectionLost);
    case NetSocket::Received::Data:
        break;
    }
    Decode(bytes, Input);
    return true;
}

bool TcpLink::Fill(int timeoutMs) {
    const bool limited = timeoutMs > 0;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    const std::size_t had = Input.size();
    // Telnet commands alone bring no data: the wait goes on until the deadline.
    while (Input.size() == had) {
        const int left = limited ? MillisecondsLeft(deadline) : WaitForever;
        if (left == 0 || !ReceivePiece(left)) {
            return false;
        }
    }
    return true;
}

bool TcpLink::NextByte(int timeoutMs, unsigned char& byte) {
    if (InputStart == Input.size()) {
        Input.clear();
        InputStart = 0;
        if (!Fill(timeoutMs)) {
            return false;
        }
    }
    byte = static_cast<unsigned char>(Input[InputStart++]);
    return true;
}

// As on the serial line: a time-out or a zero byte ends the read, which gives what came.
ECRString TcpLink::Collect(int timeoutMs, int limit, ReadDone done) {
    std::string received;
    unsigned char byte = 0;
    bool complete = false;
    while (!complete && NextByte(timeoutMs, byte) && byte != 0) {
        received += static_cast<char>(byte);
        complete = done(received, byte, limit);
    }
    // The rest of a reply cut short may still be on its way through the converter.
    StaleMayFollow = StaleMayFollow || !complete;
    return ECRString(received.c_str());
}

ECRString TcpLink::Read(int count, int timeoutMs) {
    // The first byte is always attempted, whatever the count.
    return Collect(timeoutMs, count, [](const std::string& received, unsigned char, int limit) {
        return static_cast<long long>(received.size()) >= limit;
    });
}

ECRString TcpLink::ReadUntil(const char* terminator, int timeoutMs) {
    const int end = terminator ? static_cast<unsigned char>(terminator[0]) : 0;
    return Collect(timeoutMs, end, [](const std::string& received, unsigned char last, int byte) {
        return last == byte || received.size() >= MaxReplyBytes;
    });
}

bool TcpLink::SetReadTimeout(int) {
    return Socket.IsOpen(); // every read is given its own time-out
}

bool TcpLink::DrainArrived() {
    try {
        while (ReceivePiece(NoWait)) {
            // the telnet layer still answers what it is asked
        }
    } catch (const ECRError& error) {
        if (error.GetErrorCode() != ErrorConnectionLost) {
            throw;
        }
        return false;
    }
    StaleMayFollow = StaleMayFollow || InputStart < Input.size();
    Input.clear();
    InputStart = 0;
    return true;
}

bool TcpLink::DiscardInput() {
    if (!Socket.IsOpen()) {
        return false;
    }
    if (!DrainArrived()) {
        // Converters close connections that sit idle; nothing was on the way, so the
        // connection is simply made again.
        Socket.Close();
        Open();
    }
    // Only then: a converter answers a purge at once, and that small answer ahead of the
    // reply would meet the delayed acknowledgement of the far side's TCP.
    if (StaleMayFollow) {
        DiscardRemoteInput();
        StaleMayFollow = false;
    }
    return true;
}
