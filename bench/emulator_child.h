#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// talon-emulator run as a process of its own, so that the program's CPU time is its own.
class EmulatorChild {
public:
    EmulatorChild(const std::string& binary, const std::vector<std::string>& args);
    ~EmulatorChild();
    EmulatorChild(const EmulatorChild&) = delete;
    EmulatorChild& operator=(const EmulatorChild&) = delete;

    const std::string& DevicePath() const { return Device; }
    // Bytes that crossed the line so far, both directions together.
    long long LineBytes();

private:
    std::string ReadLine();

    pid_t Pid = -1;
    int Output = -1;
    std::string Device;
    std::string Pending;
};
