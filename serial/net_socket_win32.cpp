// The converter's TCP connection on Winsock.
#include "serial/net_socket.h"

#include <chrono>

// clang-format off
#include "text/windows_api.h"
#include <winsock2.h>
#include <ws2tcpip.h>
#include <mstcpip.h>
// clang-format on

#include "serial/ecr_error.h"
#include "serial/time_left.h"
#include "serial/winsock_start.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr ULONG KeepAliveIdleMs = 30000;
constexpr ULONG KeepAliveIntervalMs = 10000;
constexpr int ReceiveChunk = 4096;
constexpr int WaitForever = -1;

SOCKET Sock(std::intptr_t handle) {
    return static_cast<SOCKET>(handle);
}

enum class Ready { Yes, TimedOut, Failed };
enum class WaitFor { Reading, Writing, Connecting };

// select rather than WSAPoll: WSAPoll of older Windows never reports a refused connect,
// which select puts in its set of exceptions (on a connected socket that set means urgent
// data, so only a connect looks there).
Ready Wait(SOCKET s, WaitFor what, int timeoutMs) {
    fd_set ready;
    fd_set failed;
    FD_ZERO(&ready);
    FD_ZERO(&failed);
    FD_SET(s, &ready);
    FD_SET(s, &failed);
    const bool connecting = what == WaitFor::Connecting;
    timeval limit{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    const int count = select(0, what == WaitFor::Reading ? &ready : nullptr,
                             what == WaitFor::Reading ? nullptr : &ready,
                             connecting ? &failed : nullptr, timeoutMs < 0 ? nullptr : &limit);
    if (count == 0) {
        return Ready::TimedOut;
    }
    return count < 0 || (connecting && FD_ISSET(s, &failed)) ? Ready::Failed : Ready::Yes;
}

void SetOption(SOCKET s, int level, int name, DWORD value) {
    // A system without the option still connects; the link is only less watchful.
    (void)setsockopt(s, level, name, reinterpret_cast<const char*>(&value), sizeof value);
}

void TuneConnection(SOCKET s) {
    SetOption(s, IPPROTO_TCP, TCP_NODELAY, TRUE);
    SetOption(s, SOL_SOCKET, SO_KEEPALIVE, TRUE);
    tcp_keepalive keepAlive{TRUE, KeepAliveIdleMs, KeepAliveIntervalMs};
    DWORD returned = 0;
    (void)WSAIoctl(s, SIO_KEEPALIVE_VALS, &keepAlive, sizeof keepAlive, nullptr, 0, &returned,
                   nullptr, nullptr);
}

PortFault FaultOfConnect(int error) {
    return error == WSAECONNREFUSED ? PortFault::Refused : PortFault::HostSilent;
}

bool SetNonBlocking(SOCKET s) {
    u_long on = 1;
    return ioctlsocket(s, FIONBIO, &on) == 0;
}

// A connected socket, or INVALID_SOCKET with the reason in fault.
SOCKET ConnectOne(const addrinfo& address, Clock::time_point deadline, PortFault& fault) {
    const SOCKET s = WSASocketW(address.ai_family, address.ai_socktype, address.ai_protocol,
                                nullptr, 0, WSA_FLAG_OVERLAPPED | WSA_FLAG_NO_HANDLE_INHERIT);
    if (s == INVALID_SOCKET || !SetNonBlocking(s)) {
        fault = PortFault::Unknown;
        if (s != INVALID_SOCKET) {
            closesocket(s);
        }
        return INVALID_SOCKET;
    }
    int error = 0;
    if (connect(s, address.ai_addr, static_cast<int>(address.ai_addrlen)) != 0) {
        error = WSAGetLastError();
        if (error == WSAEWOULDBLOCK) {
            int size = sizeof error;
            const Ready ready = Wait(s, WaitFor::Connecting, MillisecondsLeft(deadline));
            error =
                ready == Ready::TimedOut ? WSAETIMEDOUT
                : ready == Ready::Yes    ? 0
                : getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size) != 0
                    ? WSAGetLastError()
                    : error;
        }
    }
    if (error != 0) {
        fault = FaultOfConnect(error);
        closesocket(s);
        return INVALID_SOCKET;
    }
    TuneConnection(s);
    return s;
}

bool WaitAgain(int error) {
    return error == WSAEINTR || error == WSAEWOULDBLOCK;
}

} // namespace

NetSocket::~NetSocket() {
    Close();
}

void NetSocket::Connect(const std::string& host, int port, int timeoutMs) {
    Close();
    if (!StartWinsock()) {
        throw ECRError(ErrorOpeningPort);
    }
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    hints.ai_flags = AI_NUMERICSERV;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) {
        throw ECRError(ErrorOpeningPort, PortFault::UnknownHost);
    }
    // One address refusing tells more than another staying silent.
    PortFault fault = PortFault::HostSilent;
    for (const addrinfo* a = found; a != nullptr && Handle < 0; a = a->ai_next) {
        PortFault failed = PortFault::Unknown;
        const SOCKET s = ConnectOne(*a, deadline, failed);
        Handle = s == INVALID_SOCKET ? -1 : static_cast<std::intptr_t>(s);
        fault = fault == PortFault::Refused ? fault : failed;
    }
    freeaddrinfo(found);
    if (Handle < 0) {
        throw ECRError(ErrorOpeningPort, fault);
    }
}

bool NetSocket::IsOpen() const {
    return Handle >= 0;
}

void NetSocket::Close() {
    if (Handle >= 0) {
        closesocket(Sock(Handle));
        Handle = -1;
    }
}

bool NetSocket::Send(const std::string& bytes) {
    std::size_t sent = 0;
    while (Handle >= 0 && sent < bytes.size()) {
        const int n =
            send(Sock(Handle), bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
        } else if (n == SOCKET_ERROR && WaitAgain(WSAGetLastError())) {
            // Keep-alive and the system's retransmission limit end a wait for a dead peer.
            if (Wait(Sock(Handle), WaitFor::Writing, WaitForever) == Ready::Failed) {
                return false;
            }
        } else {
            return false;
        }
    }
    return Handle >= 0;
}

NetSocket::Received NetSocket::Receive(std::string& into, int timeoutMs) {
    if (Handle < 0) {
        return Received::Closed;
    }
    const bool limited = timeoutMs >= 0;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const Ready ready = Wait(Sock(Handle), WaitFor::Reading,
                                 limited ? MillisecondsLeft(deadline) : WaitForever);
        if (ready == Ready::TimedOut) {
            return Received::TimedOut;
        }
        char buffer[ReceiveChunk];
        const int n =
            ready == Ready::Failed ? SOCKET_ERROR : recv(Sock(Handle), buffer, sizeof buffer, 0);
        if (n > 0) {
            into.append(buffer, static_cast<std::size_t>(n));
            return Received::Data;
        }
        if (n == SOCKET_ERROR && ready == Ready::Yes && WaitAgain(WSAGetLastError())) {
            continue;
        }
        return Received::Closed;
    }
}
