#include "tests/support/drop_proxy.h"

#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const std::string WriteCommand = "#r5";
const std::string FrameEnd = "\x1b\\";
constexpr std::size_t ChunkSize = 4096;

sockaddr_in Loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    return address;
}

// Relayed bytes leave at once, as a switch passes them on: Nagle's delay would be the
// proxy's, not the program's.
int WithoutDelay(int fd) {
    const int on = 1;
    (void)setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    return fd;
}

int ConnectTo(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_in address = Loopback(port);
    if (fd >= 0 && connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd >= 0 ? WithoutDelay(fd) : fd;
}

bool SendAll(int fd, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0 && errno != EINTR) {
            return false;
        }
        sent += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    return true;
}

// What one side sent next; empty when it has closed. Acknowledged at once, as the far
// end would: a delayed acknowledgement would hold the sender's next piece back.
std::string ReceiveFrom(int fd) {
    char buffer[ChunkSize];
    ssize_t n = 0;
    do {
        n = recv(fd, buffer, sizeof buffer, 0);
    } while (n < 0 && errno == EINTR);
    const int on = 1;
    (void)setsockopt(fd, IPPROTO_TCP, TCP_QUICKACK, &on, sizeof on);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

} // namespace

DropProxy::DropProxy(int targetPort, int dropAfterWrites, bool refuseAfterDrop)
    : Target(targetPort), DropAfter(dropAfterWrites), RefuseAfter(refuseAfterDrop) {
    Listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = Loopback(0);
    socklen_t size = sizeof address;
    if (Listener < 0 || bind(Listener, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        listen(Listener, 4) != 0 ||
        getsockname(Listener, reinterpret_cast<sockaddr*>(&address), &size) != 0 ||
        pipe2(StopPipe, O_CLOEXEC) != 0) {
        throw std::runtime_error("DropProxy: cannot listen");
    }
    OwnPort = ntohs(address.sin_port);
    Thread = std::thread([this] { Run(); });
}

DropProxy::~DropProxy() {
    (void)write(StopPipe[1], "x", 1);
    Thread.join();
    for (int fd : {Listener, StopPipe[0], StopPipe[1]}) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

bool DropProxy::CutDue(const std::string& bytes) {
    bool due = false;
    for (char c : bytes) {
        Recent += c;
        if (Recent.size() > WriteCommand.size()) {
            Recent.erase(0, 1);
        }
        Writes += Recent == WriteCommand ? 1 : 0;
        const bool frameEnded =
            Recent.size() >= FrameEnd.size() &&
            Recent.compare(Recent.size() - FrameEnd.size(), FrameEnd.size(), FrameEnd) == 0;
        due = due || (Writes >= DropAfter && frameEnded);
    }
    return due && !DroppedOnce;
}

void DropProxy::Relay(int client) {
    const int server = ConnectTo(Target);
    for (bool open = server >= 0; open;) {
        pollfd fds[3] = {{StopPipe[0], POLLIN, 0}, {client, POLLIN, 0}, {server, POLLIN, 0}};
        if (poll(fds, 3, -1) < 0 || fds[0].revents != 0) {
            break;
        }
        if (fds[1].revents != 0) {
            const std::string bytes = ReceiveFrom(client);
            open = !bytes.empty() && SendAll(server, bytes);
            if (open && CutDue(bytes)) {
                DroppedOnce = true;
                open = false;
            }
        }
        if (open && fds[2].revents != 0) {
            const std::string bytes = ReceiveFrom(server);
            open = !bytes.empty() && SendAll(client, bytes);
        }
    }
    if (server >= 0) {
        close(server);
    }
    close(client);
}

void DropProxy::Run() {
    for (;;) {
        pollfd fds[2] = {{StopPipe[0], POLLIN, 0}, {Listener, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0 || fds[0].revents != 0) {
            return;
        }
        const int client = accept4(Listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (client >= 0) {
            Relay(WithoutDelay(client));
        }
        if (DroppedOnce && RefuseAfter && Listener >= 0) {
            close(Listener); // from now on a connection is refused
            Listener = -1;
        }
    }
}
