#pragma once

#include <string>

#include "tests/support/hex_bytes.h"

// A raw pseudo-terminal for tests that play the far end of the line themselves.
class PtyPair {
public:
    PtyPair(); // opens the master side in raw mode; throws std::runtime_error on failure
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    const std::string& SlavePath() const { return Slave; }
    // Writes bytes to the program's side of the line.
    void Send(const std::string& bytes);
    // Reads what the program wrote: waits up to timeoutMs for the first byte, then takes
    // bytes until the line stays quiet for quietMs.
    std::string Receive(int timeoutMs = 2000, int quietMs = 100);
    // Reads exactly n bytes or fewer when timeoutMs passes without a byte.
    std::string ReceiveCount(size_t n, int timeoutMs = 2000);
    // Closes the master side early, as if the far end were unplugged.
    void CloseMaster();

private:
    int Master = -1;
    int KeepSlave = -1; // held open so the master never sees a hang-up
    std::string Slave;
};
