#include "ui/main/emulator_process.h"

#include <QProcess>

#include <csignal>
#include <sys/prctl.h>

QStringList EmulatorProcess::ServingArguments() {
    return {}; // a pseudo-terminal, the emulator's own choice
}

void EmulatorProcess::TieBeforeStart(QProcess& process) {
    // Should this program be killed, the emulator must not stay behind holding its
    // pseudo-terminal.
    process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

std::shared_ptr<void> EmulatorProcess::TieAfterStart(const QProcess&) {
    return nullptr; // asked of the child before it started
}
