#include "tests/emulator/line_client.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace {
constexpr char Esc = 0x1B;
constexpr char Terminator = '\\';
constexpr std::size_t EnvelopeSide = 4;
constexpr std::size_t CodeOffset = 2;

[[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error(what + ": " + std::strerror(errno));
}

// One byte, or nothing after timeoutMs.
bool ReadByte(int fd, int timeoutMs, char& byte) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, timeoutMs) <= 0 || (p.revents & POLLIN) == 0) {
        return false;
    }
    return read(fd, &byte, 1) == 1;
}
} // namespace

LineClient::LineClient(const std::string& devicePath) {
    Fd = open(devicePath.c_str(), O_RDWR | O_NOCTTY);
    if (Fd < 0) {
        Fail("open " + devicePath);
    }
    termios t{};
    if (tcgetattr(Fd, &t) != 0) {
        Fail("tcgetattr");
    }
    cfmakeraw(&t);
    if (tcsetattr(Fd, TCSANOW, &t) != 0) {
        Fail("tcsetattr");
    }
}

LineClient::~LineClient() {
    close(Fd);
}

void LineClient::Send(const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(Fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            Fail("write");
        }
        done += static_cast<std::size_t>(n);
    }
}

std::string LineClient::ReadReply(int timeoutMs) {
    std::string reply;
    char byte = 0;
    while (ReadByte(Fd, timeoutMs, byte)) {
        reply += byte;
        if (byte == Terminator) {
            break;
        }
    }
    return reply;
}

std::string LineClient::ReadCount(std::size_t n, int timeoutMs) {
    std::string bytes;
    char byte = 0;
    while (bytes.size() < n && ReadByte(Fd, timeoutMs, byte)) {
        bytes += byte;
    }
    return bytes;
}

std::string LineClient::Exchange(const std::string& command) {
    Send(Framed(command));
    return ReadReply();
}

bool LineClient::SeesHangUp(int timeoutMs) {
    pollfd p{Fd, POLLIN, 0};
    if (poll(&p, 1, timeoutMs) <= 0) {
        return false;
    }
    char byte = 0;
    return (p.revents & (POLLHUP | POLLERR)) != 0 || read(Fd, &byte, 1) <= 0;
}

std::string XorChecksum(const std::string& text) {
    unsigned x = 0xFF;
    for (const char c : text) {
        x ^= static_cast<unsigned char>(c);
    }
    char digits[3] = {};
    std::snprintf(digits, sizeof digits, "%02X", x);
    return digits;
}

std::string Framed(const std::string& command) {
    return std::string{Esc, 'P'} + command + XorChecksum(command) + std::string{Esc, Terminator};
}

std::string Body(const std::string& reply) {
    if (reply.size() < 2 * EnvelopeSide) {
        return std::string();
    }
    return reply.substr(EnvelopeSide, reply.size() - 2 * EnvelopeSide);
}

int ReplyCodeOf(const std::string& reply) {
    const std::string body = Body(reply);
    if (body.size() <= CodeOffset) {
        return -1;
    }
    return std::atoi(body.c_str() + CodeOffset);
}
