// The listening socket on Winsock: a waiting connection sets an event, waited on together
// with the stop signal's.
#include "emulator/tcp_listener.h"

#include <cstdio>
#include <stdexcept>

// clang-format off
#include "text/windows_api.h"
#include <winsock2.h>
#include <ws2tcpip.h>
// clang-format on

#include "serial/winsock_start.h"

namespace {

constexpr int Backlog = 4;

SOCKET Sock(LineHandle handle) {
    return static_cast<SOCKET>(handle);
}

WSAEVENT EventOf(std::intptr_t readiness) {
    return reinterpret_cast<WSAEVENT>(readiness);
}

[[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error("listening: " + what);
}

int PortOf(const sockaddr_storage& address) {
    return ntohs(address.ss_family == AF_INET6
                     ? reinterpret_cast<const sockaddr_in6&>(address).sin6_port
                     : reinterpret_cast<const sockaddr_in&>(address).sin_port);
}

// A socket of its own for the port: no other program may take connections meant for it.
SOCKET BoundSocket(const addrinfo& address) {
    const SOCKET s = WSASocketW(address.ai_family, address.ai_socktype, address.ai_protocol,
                                nullptr, 0, WSA_FLAG_OVERLAPPED | WSA_FLAG_NO_HANDLE_INHERIT);
    const BOOL on = TRUE;
    const bool bound = s != INVALID_SOCKET &&
                       setsockopt(s, SOL_SOCKET, SO_EXCLUSIVEADDRUSE,
                                  reinterpret_cast<const char*>(&on), sizeof on) == 0 &&
                       bind(s, address.ai_addr, static_cast<int>(address.ai_addrlen)) == 0 &&
                       listen(s, Backlog) == 0;
    if (!bound && s != INVALID_SOCKET) {
        const int error = WSAGetLastError();
        closesocket(s);
        WSASetLastError(error);
    }
    return bound ? s : INVALID_SOCKET;
}

} // namespace

void TcpListener::Open(const std::string& host, int port) {
    Close();
    if (!StartWinsock()) {
        Fail("Winsock cannot be started");
    }
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
    addrinfo* found = nullptr;
    const int resolved = getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found);
    if (resolved != 0) {
        Fail(host + ": Winsock error " + std::to_string(resolved));
    }
    const SOCKET s = BoundSocket(*found);
    freeaddrinfo(found);
    const std::string where = host + ":" + std::to_string(port);
    if (s == INVALID_SOCKET) {
        Fail(where + ": Winsock error " + std::to_string(WSAGetLastError()));
    }
    Socket = static_cast<LineHandle>(s);
    sockaddr_storage address{};
    int size = sizeof address;
    const WSAEVENT readiness = WSACreateEvent();
    if (getsockname(s, reinterpret_cast<sockaddr*>(&address), &size) != 0 ||
        readiness == WSA_INVALID_EVENT || WSAEventSelect(s, readiness, FD_ACCEPT) != 0) {
        const int error = WSAGetLastError();
        if (readiness != WSA_INVALID_EVENT) {
            WSACloseEvent(readiness);
        }
        Close();
        Fail(where + ": Winsock error " + std::to_string(error));
    }
    Readiness = reinterpret_cast<std::intptr_t>(readiness);
    OwnPort = PortOf(address);
}

void TcpListener::Close() {
    if (Socket != NoLine) {
        closesocket(Sock(Socket));
        Socket = NoLine;
    }
    if (Readiness != 0) {
        WSACloseEvent(EventOf(Readiness));
        Readiness = 0;
    }
}

LineHandle TcpListener::Accept(const StopSignal& stop) {
    for (;;) {
        // Taken straight away when one waits; an accept that finds none re-arms the event.
        const SOCKET connection = accept(Sock(Socket), nullptr, nullptr);
        if (connection != INVALID_SOCKET) {
            // The connection's own waits are set up by whoever serves it.
            WSAEventSelect(connection, nullptr, 0);
            const BOOL on = TRUE;
            // Replies leave at once, as they do on the line.
            (void)setsockopt(connection, IPPROTO_TCP, TCP_NODELAY,
                             reinterpret_cast<const char*>(&on), sizeof on);
            return static_cast<LineHandle>(connection);
        }
        if (WSAGetLastError() != WSAEWOULDBLOCK) {
            std::fprintf(stderr, "talon emulator: accept: Winsock error %d\n", WSAGetLastError());
            return NoLine;
        }
        const HANDLE events[2] = {reinterpret_cast<HANDLE>(stop.Handle()), EventOf(Readiness)};
        const DWORD woken = WaitForMultipleObjects(2, events, FALSE, INFINITE);
        WSANETWORKEVENTS happened{};
        (void)WSAEnumNetworkEvents(Sock(Socket), EventOf(Readiness), &happened);
        if (woken != WAIT_OBJECT_0 + 1 || stop.Raised()) {
            return NoLine;
        }
    }
}

void TcpListener::CloseConnection(LineHandle connection) {
    closesocket(Sock(connection));
}
