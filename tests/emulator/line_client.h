#pragma once

#include <string>

// The program's end of the line, for tests: the emulator's device opened raw.
class LineClient {
public:
    explicit LineClient(const std::string& devicePath); // throws std::runtime_error
    ~LineClient();
    LineClient(const LineClient&) = delete;
    LineClient& operator=(const LineClient&) = delete;

    void Send(const std::string& bytes);
    // Bytes up to and including the first "\", or what came before timeoutMs of quiet.
    std::string ReadReply(int timeoutMs = 2000);
    // Exactly n bytes, or fewer when timeoutMs passes without one.
    std::string ReadCount(std::size_t n, int timeoutMs = 2000);
    // Frames the command, sends it and reads the reply.
    std::string Exchange(const std::string& command);
    // True when the device reports hang-up or an error within timeoutMs.
    bool SeesHangUp(int timeoutMs);

private:
    int Fd = -1;
};

// The frame of a command, built here independently of the code under test.
std::string Framed(const std::string& command);
// The reply less its first four and last four bytes.
std::string Body(const std::string& reply);
// The number after the body's first two characters (-1 for a body too short).
int ReplyCodeOf(const std::string& reply);
// Two upper-case hex digits of 0xFF XOR every byte.
std::string XorChecksum(const std::string& text);
