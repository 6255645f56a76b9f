// The converter's TCP connection on POSIX sockets.
#include "serial/net_socket.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "serial/ecr_error.h"
#include "serial/time_left.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int KeepAliveIdleS = 30;
constexpr int KeepAliveIntervalS = 10;
constexpr int KeepAliveProbes = 3;
// Bytes written into a connection that nobody acknowledges fail after this long rather
// than wait for the system's quarter of an hour.
constexpr int UnacknowledgedLimitMs = 15000;
constexpr std::size_t ReceiveChunk = 4096;
constexpr int WaitForever = -1;

int Fd(std::intptr_t handle) {
    return static_cast<int>(handle);
}

// 1 ready, 0 time-out, -1 failure; EINTR waits on.
int Wait(int fd, short events, int timeoutMs) {
    const bool limited = timeoutMs >= 0;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        pollfd p{fd, events, 0};
        const int ready = poll(&p, 1, limited ? MillisecondsLeft(deadline) : WaitForever);
        if (ready >= 0 || errno != EINTR) {
            return ready > 0 ? 1 : ready;
        }
    }
}

void SetOption(int fd, int level, int name, int value) {
    // A system without the option still connects; the link is only less watchful.
    (void)setsockopt(fd, level, name, &value, sizeof value);
}

void TuneConnection(int fd) {
    SetOption(fd, IPPROTO_TCP, TCP_NODELAY, 1);
    SetOption(fd, SOL_SOCKET, SO_KEEPALIVE, 1);
#ifdef TCP_KEEPIDLE
    SetOption(fd, IPPROTO_TCP, TCP_KEEPIDLE, KeepAliveIdleS);
    SetOption(fd, IPPROTO_TCP, TCP_KEEPINTVL, KeepAliveIntervalS);
    SetOption(fd, IPPROTO_TCP, TCP_KEEPCNT, KeepAliveProbes);
#endif
#ifdef TCP_USER_TIMEOUT
    SetOption(fd, IPPROTO_TCP, TCP_USER_TIMEOUT, UnacknowledgedLimitMs);
#endif
}

// A converter that sends a reply in pieces with Nagle's algorithm on holds each piece
// until the one before is acknowledged; delayed acknowledgements would add 40 ms or more
// to every such reply. The system drops this mode again by itself, hence after each read.
void AcknowledgeAtOnce(int fd) {
#ifdef TCP_QUICKACK
    SetOption(fd, IPPROTO_TCP, TCP_QUICKACK, 1);
#else
    (void)fd;
#endif
}

PortFault FaultOfConnect(int error) {
    return error == ECONNREFUSED ? PortFault::Refused : PortFault::HostSilent;
}

// A connected descriptor, or -1 with the reason in fault.
int ConnectOne(const addrinfo& address, Clock::time_point deadline, PortFault& fault) {
    const int fd = socket(address.ai_family, address.ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK,
                          address.ai_protocol);
    if (fd < 0) {
        fault = PortFault::Unknown;
        return -1;
    }
    int error = 0;
    if (connect(fd, address.ai_addr, address.ai_addrlen) != 0) {
        error = errno;
        if (error == EINPROGRESS) {
            socklen_t size = sizeof error;
            const int ready = Wait(fd, POLLOUT, MillisecondsLeft(deadline));
            error = ready <= 0                                                 ? ETIMEDOUT
                    : getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0 ? errno
                                                                               : error;
        }
    }
    if (error != 0) {
        fault = FaultOfConnect(error);
        close(fd);
        return -1;
    }
    TuneConnection(fd);
    return fd;
}

} // namespace

NetSocket::~NetSocket() {
    Close();
}

void NetSocket::Connect(const std::string& host, int port, int timeoutMs) {
    Close();
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICSERV;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) {
        throw ECRError(ErrorOpeningPort, PortFault::UnknownHost);
    }
    // One address refusing tells more than another staying silent.
    PortFault fault = PortFault::HostSilent;
    for (const addrinfo* a = found; a != nullptr && Handle < 0; a = a->ai_next) {
        PortFault failed = PortFault::Unknown;
        Handle = ConnectOne(*a, deadline, failed);
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
        close(Fd(Handle));
        Handle = -1;
    }
}

bool NetSocket::Send(const std::string& bytes) {
    std::size_t sent = 0;
    while (Handle >= 0 && sent < bytes.size()) {
        const ssize_t n = send(Fd(Handle), bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN) {
            // Keep-alive and the unacknowledged-data limit end a wait for a dead peer.
            if (Wait(Fd(Handle), POLLOUT, WaitForever) < 0) {
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
        const int ready =
            Wait(Fd(Handle), POLLIN, limited ? MillisecondsLeft(deadline) : WaitForever);
        if (ready == 0) {
            return Received::TimedOut;
        }
        char buffer[ReceiveChunk];
        const ssize_t n = ready < 0 ? -1 : recv(Fd(Handle), buffer, sizeof buffer, 0);
        if (n > 0) {
            into.append(buffer, static_cast<std::size_t>(n));
            AcknowledgeAtOnce(Fd(Handle));
            return Received::Data;
        }
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        }
        return Received::Closed;
    }
}
