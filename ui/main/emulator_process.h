#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <string>

#include "serial/network_address.h"

class QProcess;

// The register emulator as a child process, started on demand so that a newcomer can
// try the program without a register. It runs until this object is destroyed, so its
// articles survive a disconnect. On Linux it serves a pseudo-terminal; on Windows, which
// has none, a free TCP port of this computer.
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
    // What it serves: a device ("/dev/pts/7") or an address ("tcp://127.0.0.1:4001").
    const std::string& DevicePath() const { return Device; }
    // The address to connect to; nothing when it serves a device.
    std::optional<NetworkAddress> Address() const;

    // Where the emulator program is: $TALON_EMULATOR, beside this program, in the build
    // tree, or on the PATH; empty when none is found.
    static QString FindProgram();

private:
    bool Start(QString& failure);
    void Stop();
    // This system's part (emulator_process_posix.cpp, _win32.cpp): what the emulator is
    // to serve, and tying it to this program's life, before and after it starts.
    static QStringList ServingArguments();
    static void TieBeforeStart(QProcess& process);
    static std::shared_ptr<void> TieAfterStart(const QProcess& process);

    std::unique_ptr<QProcess> Process;
    std::shared_ptr<void> Tie; // ends the emulator when it goes (Windows)
    std::string Device;
};
