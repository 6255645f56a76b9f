#pragma once

#include <string>
#include <vector>

// talon-emulator run as a process of its own: the command line's "emulator" port, and
// the bench's register (so that the program's CPU time is its own). It is stopped when
// this object goes, and also when this process dies.
class EmulatorChild {
public:
    // Throws std::runtime_error when the program cannot be started or names no device.
    EmulatorChild(const std::string& binary, const std::vector<std::string>& args);
    ~EmulatorChild();
    EmulatorChild(const EmulatorChild&) = delete;
    EmulatorChild& operator=(const EmulatorChild&) = delete;

    const std::string& DevicePath() const { return Device; }
    // Bytes that crossed the line so far, both directions together.
    long long LineBytes();

    // Where the emulator program is: $TALON_EMULATOR, beside this program, in the build
    // tree, or on the PATH; empty when none is found.
    static std::string FindProgram();

private:
    std::string ReadLine(int timeoutMs);

    int Pid = -1;
    int Output = -1;
    std::string Device;
    std::string Pending;
};

// The options that give the n-th (from 1) of several emulators run at once a fiscal module id
// of its own, the first the emulator's default: registers that share an id share an image,
// and one program writes an image at a time.
std::vector<std::string> OwnFiscalModule(int number);
