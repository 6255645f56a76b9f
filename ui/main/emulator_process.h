#pragma once

#include <QString>

#include <memory>
#include <string>

class QProcess;

// The register emulator as a child process, started on demand so that a newcomer can
// try the program without a register. It runs until this object is destroyed, so its
// articles survive a disconnect.
class EmulatorProcess {
public:
    EmulatorProcess();
    ~EmulatorProcess();
    EmulatorProcess(const EmulatorProcess&) = delete;
    EmulatorProcess& operator=(const EmulatorProcess&) = delete;

    // Starts "talon-emulator --demo" unless it already runs, and registers its device for
    // the port number. False with a reason when it cannot be started.
    bool Ensure(int port, QString& failure);
    bool Running() const;
    const std::string& DevicePath() const { return Device; }

    // Where the emulator program is: $TALON_EMULATOR, beside this program, in the build
    // tree, or on the PATH; empty when none is found.
    static QString FindProgram();

private:
    bool Start(QString& failure);
    void Stop();

    std::unique_ptr<QProcess> Process;
    std::string Device;
};
