#pragma once

#include <string>

// The master side of a pseudo-terminal whose slave is the register's device.
class PtyDevice {
public:
    PtyDevice() = default;
    ~PtyDevice() { Close(); }
    PtyDevice(const PtyDevice&) = delete;
    PtyDevice& operator=(const PtyDevice&) = delete;

    // Opens a new pseudo-terminal; throws std::runtime_error on failure.
    void Open();
    // The device vanishes: the program's side reads hang-up from now on.
    void Close();
    bool IsOpen() const { return Master >= 0; }
    int MasterFd() const { return Master; }
    const std::string& Path() const { return Slave; }

private:
    int Master = -1;
    // Held open so the master never reads hang-up while no program has the slave open,
    // and so the raw line settings stay between the program's opens.
    int KeptSlave = -1;
    std::string Slave;
};
