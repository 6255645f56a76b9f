#include "emulator/tcp_listener.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int Backlog = 4;

[[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error("listening: " + what);
}

int PortOf(const sockaddr_storage& address) {
    return ntohs(address.ss_family == AF_INET6
                     ? reinterpret_cast<const sockaddr_in6&>(address).sin6_port
                     : reinterpret_cast<const sockaddr_in&>(address).sin_port);
}

} // namespace

void TcpListener::Open(const std::string& host, int port) {
    Close();
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
    addrinfo* found = nullptr;
    const int resolved = getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found);
    if (resolved != 0) {
        Fail(host + ": " + gai_strerror(resolved));
    }
    const int fd = socket(found->ai_family, found->ai_socktype | SOCK_CLOEXEC, found->ai_protocol);
    Socket = fd;
    const int on = 1;
    const bool bound = fd >= 0 && setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) == 0 &&
                       bind(fd, found->ai_addr, found->ai_addrlen) == 0 && listen(fd, Backlog) == 0;
    freeaddrinfo(found);
    sockaddr_storage address{};
    socklen_t size = sizeof address;
    if (!bound || getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        const std::string reason = std::strerror(errno);
        Close();
        Fail(host + ":" + std::to_string(port) + ": " + reason);
    }
    OwnPort = PortOf(address);
}

void TcpListener::Close() {
    if (Socket != NoLine) {
        close(static_cast<int>(Socket));
        Socket = NoLine;
    }
}

LineHandle TcpListener::Accept(const StopSignal& stop) {
    const int fd = static_cast<int>(Socket);
    pollfd fds[2] = {{static_cast<int>(stop.Handle()), POLLIN, 0}, {fd, POLLIN, 0}};
    if (poll(fds, 2, -1) < 0) {
        if (errno != EINTR) {
            std::fprintf(stderr, "talon emulator: poll: %s\n", std::strerror(errno));
        }
        return NoLine;
    }
    if (stop.Raised() || fds[1].revents == 0) {
        return NoLine;
    }
    const int connection = accept4(fd, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection >= 0) {
        const int on = 1;
        // Replies leave at once, as they do on the line.
        (void)setsockopt(connection, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    }
    return connection >= 0 ? connection : NoLine;
}

void TcpListener::CloseConnection(LineHandle connection) {
    close(static_cast<int>(connection));
}
