#pragma once

#include <cstdint>
#include <string>

// One TCP connection to a network converter, every wait bounded by a time-out. The
// system's socket calls live in net_socket_posix.cpp; a Winsock twin provides the same.
class NetSocket {
public:
    enum class Received { Data, TimedOut, Closed };

    NetSocket() = default;
    ~NetSocket();
    NetSocket(const NetSocket&) = delete;
    NetSocket& operator=(const NetSocket&) = delete;

    // Resolves the host and connects to the first of its addresses that takes the
    // connection within timeoutMs, all together; Nagle's delay off and keep-alive on.
    // Throws ECRError 1 with the reason (refused, silent, unknown host).
    void Connect(const std::string& host, int port, int timeoutMs);
    bool IsOpen() const;
    void Close();
    // Every byte handed to the system; false when the connection is gone.
    bool Send(const std::string& bytes);
    // Waits up to timeoutMs (negative: for ever) for bytes and appends those there;
    // Closed when the far side closed or reset the connection.
    Received Receive(std::string& into, int timeoutMs);

private:
    std::intptr_t Handle = -1; // a descriptor, or a SOCKET on Windows
};
