// A served TCP connection on Winsock: the socket's readiness sets an event, waited on
// together with the stop signal's.
#include "emulator/line_end.h"

#include <cstdio>

// clang-format off
#include "text/windows_api.h"
#include <winsock2.h>
// clang-format on

namespace {

SOCKET Sock(LineHandle handle) {
    return static_cast<SOCKET>(handle);
}

void Report(const char* what) {
    std::fprintf(stderr, "talon emulator: %s: Winsock error %d\n", what, WSAGetLastError());
}

// True once the socket's event is set; false on a stop. The event is cleared for the
// next wait: a recv or send that finds nothing to do sets it again on the next change.
bool WaitReady(SOCKET s, WSAEVENT readiness, const StopSignal& stop) {
    const HANDLE events[2] = {reinterpret_cast<HANDLE>(stop.Handle()), readiness};
    const DWORD woken = WaitForMultipleObjects(2, events, FALSE, INFINITE);
    WSANETWORKEVENTS happened{};
    (void)WSAEnumNetworkEvents(s, readiness, &happened);
    return woken == WAIT_OBJECT_0 + 1 && !stop.Raised();
}

} // namespace

LineEnd::LineEnd(LineHandle handle, const StopSignal& stop) : Handle(handle), Stop(stop) {
    const WSAEVENT readiness = WSACreateEvent();
    // Also makes the socket non-blocking, which the reads and writes below expect.
    if (readiness == WSA_INVALID_EVENT ||
        WSAEventSelect(Sock(Handle), readiness, FD_READ | FD_WRITE | FD_CLOSE) != 0) {
        Report("watching the connection");
        if (readiness != WSA_INVALID_EVENT) {
            WSACloseEvent(readiness);
        }
        return;
    }
    Readiness = reinterpret_cast<std::intptr_t>(readiness);
}

LineEnd::~LineEnd() {
    if (Readiness != 0) {
        WSAEventSelect(Sock(Handle), nullptr, 0);
        WSACloseEvent(reinterpret_cast<WSAEVENT>(Readiness));
    }
}

long LineEnd::Read(char* buffer, std::size_t size) {
    if (Readiness == 0) {
        return -1;
    }
    for (;;) {
        const int n = recv(Sock(Handle), buffer, static_cast<int>(size), 0);
        if (n >= 0) {
            return n;
        }
        const int error = WSAGetLastError();
        if (error == WSAECONNRESET || error == WSAECONNABORTED) {
            return 0; // the program went without closing: for the emulator, it closed
        }
        if (error != WSAEWOULDBLOCK && error != WSAEINTR) {
            Report("reading the connection");
            return -1;
        }
        if (!WaitReady(Sock(Handle), reinterpret_cast<WSAEVENT>(Readiness), Stop)) {
            return -1;
        }
    }
}

bool LineEnd::Write(const char* data, std::size_t size) {
    if (Readiness == 0) {
        return false;
    }
    while (size > 0) {
        const int n = send(Sock(Handle), data, static_cast<int>(size), 0);
        if (n > 0) {
            data += n;
            size -= static_cast<std::size_t>(n);
            continue;
        }
        const int error = WSAGetLastError();
        if (n == 0 || (error != WSAEWOULDBLOCK && error != WSAEINTR)) {
            Report("writing to the connection");
            return false;
        }
        if (!WaitReady(Sock(Handle), reinterpret_cast<WSAEVENT>(Readiness), Stop)) {
            return false;
        }
    }
    return true;
}
