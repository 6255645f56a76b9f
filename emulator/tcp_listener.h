#pragma once

#include <cstdint>
#include <string>

#include "emulator/line_end.h"

// A listening TCP socket: the register served as a converter offering its line raw
// would, one connection at a time.
class TcpListener {
public:
    TcpListener() = default;
    ~TcpListener() { Close(); }
    TcpListener(const TcpListener&) = delete;
    TcpListener& operator=(const TcpListener&) = delete;

    // Listens on host and port (0: any free port); throws std::runtime_error on failure.
    void Open(const std::string& host, int port);
    void Close();
    bool IsOpen() const { return Socket != NoLine; }
    // The port it listens on.
    int Port() const { return OwnPort; }
    // Waits for the next connection and takes it; NoLine on a stop or a failure (told on
    // standard error). CloseConnection ends one taken.
    LineHandle Accept(const StopSignal& stop);
    static void CloseConnection(LineHandle connection);

private:
    LineHandle Socket = NoLine;
    int OwnPort = 0;
    // Windows: the event a waiting connection sets (POSIX waits on the socket itself).
    [[maybe_unused]] std::intptr_t Readiness = 0;
};
