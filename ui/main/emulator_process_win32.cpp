#include "ui/main/emulator_process.h"

#include <QProcess>

#include "operations/local_emulator.h"

QStringList EmulatorProcess::ServingArguments() {
    QStringList arguments;
    for (const std::string& option : LocalServingOptions()) {
        arguments << QString::fromStdString(option);
    }
    return arguments;
}

void EmulatorProcess::TieBeforeStart(QProcess&) {
    // Nothing: a process goes into its job once it runs.
}

std::shared_ptr<void> EmulatorProcess::TieAfterStart(const QProcess& process) {
    // A console program takes no polite request to end, so the job ends it, also when
    // this program is killed.
    return std::make_shared<EmulatorJob>(static_cast<unsigned long>(process.processId()));
}
