#pragma once

#include <memory>
#include <string>
#include <vector>

// talon-emulator run as a process of its own: the command line's "emulator" port, and
// the bench's register (so that the program's CPU time is its own). It is stopped when
// this object goes, and also when this process dies. On Linux it serves a pseudo-terminal;
// on Windows, which has none, a free TCP port of this computer.
class EmulatorChild {
public:
    // Throws std::runtime_error when the program cannot be started or names no device.
    EmulatorChild(const std::string& binary, const std::vector<std::string>& args);
    ~EmulatorChild();
    EmulatorChild(const EmulatorChild&) = delete;
    EmulatorChild& operator=(const EmulatorChild&) = delete;

    // What it serves: a device ("/dev/pts/7") or an address ("tcp://127.0.0.1:4001").
    const std::string& DevicePath() const { return Device; }
    // Bytes that crossed the line so far, both directions together; -1 on Windows, where
    // the emulator cannot be asked.
    long long LineBytes();

    // Where the emulator program is: $TALON_EMULATOR, beside this program, in the build
    // tree, or on the PATH; empty when none is found.
    static std::string FindProgram();

private:
    struct Running; // the process and its output as this system holds them

    // The next line it printed; empty when none came within timeoutMs.
    std::string ReadLine(int timeoutMs);
    // Reads the first line, which names what it serves; throws when it names nothing.
    void ReadDevice(const std::string& binary);

    std::unique_ptr<Running> Child;
    std::string Device;
    std::string Pending;
};

// The options that give the n-th (from 1) of several emulators run at once a fiscal module id
// of its own, the first the emulator's default: registers that share an id share an image,
// and one program writes an image at a time.
std::vector<std::string> OwnFiscalModule(int number);
