#pragma once

#include <string>
#include <vector>

// The bundled emulator as the window and the command line start it.

// What its first line names: the device it serves ("/dev/pts/7"), or the address of the
// TCP port it serves ("tcp://127.0.0.1:4001"); empty when the line names neither.
std::string ServedInLine(const std::string& line);

// Windows only (local_emulator_win32.cpp). Windows has no pseudo-terminals, so it serves a
// free TCP port of this computer; and it lives in a job that ends it when the job goes,
// which the system also does when this program ends however it ends (Linux asks the same
// of the child with PR_SET_PDEATHSIG).

// The options that make it serve a free port of this computer.
std::vector<std::string> LocalServingOptions();

class EmulatorJob {
public:
    // Takes the running process in. Where the system refuses, the program still stops
    // the emulator itself; only a crash would leave it behind.
    explicit EmulatorJob(unsigned long processId);
    ~EmulatorJob(); // ends the process
    EmulatorJob(const EmulatorJob&) = delete;
    EmulatorJob& operator=(const EmulatorJob&) = delete;

private:
    void* Job = nullptr;
};
