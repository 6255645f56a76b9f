// The converter's TCP connection on Windows. Until its Winsock implementation is written,
// every connection is refused as a port that cannot be opened, so that the programs build
// and a network address fails at connect with the usual failure lines.
#include "serial/net_socket.h"

#include "serial/ecr_error.h"

NetSocket::~NetSocket() {
    Close();
}

void NetSocket::Connect(const std::string&, int, int) {
    throw ECRError(ErrorOpeningPort);
}

bool NetSocket::IsOpen() const {
    return Handle >= 0;
}

void NetSocket::Close() {
    Handle = -1;
}

bool NetSocket::Send(const std::string&) {
    return false;
}

NetSocket::Received NetSocket::Receive(std::string&, int) {
    return Received::Closed;
}
