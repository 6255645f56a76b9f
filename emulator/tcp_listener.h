#pragma once

#include <string>

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
    bool IsOpen() const { return Socket >= 0; }
    int Fd() const { return Socket; }
    // The port it listens on.
    int Port() const { return OwnPort; }
    // The connection waiting to be taken, or -1 when none is.
    int Accept();

private:
    int Socket = -1;
    int OwnPort = 0;
};
