#include "ui/main/emulator_process.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "operations/local_emulator.h"
#include "serial/port_devices.h"

namespace {

const char* const ProgramName = "talon-emulator";
const char* const ProgramVariable = "TALON_EMULATOR";
const char* const DemoOption = "--demo";
// Starting and printing the device path takes a moment; a program that says nothing for
// this long is taken as broken rather than waited for.
constexpr int StartTimeoutMs = 5000;
constexpr int StopTimeoutMs = 2000;

bool IsProgram(const QString& path) {
    const QFileInfo info(path);
    return !path.isEmpty() && info.isFile() && info.isExecutable();
}

} // namespace

EmulatorProcess::EmulatorProcess() = default;

EmulatorProcess::~EmulatorProcess() {
    Stop();
}

QString EmulatorProcess::FindProgram() {
    const QString fromEnvironment = qEnvironmentVariable(ProgramVariable);
    if (IsProgram(fromEnvironment)) {
        return fromEnvironment;
    }
    // findExecutable knows the system's endings (".exe").
    const QString beside = QStandardPaths::findExecutable(QString::fromLatin1(ProgramName),
                                                          {QCoreApplication::applicationDirPath()});
    if (!beside.isEmpty()) {
        return beside;
    }
#ifdef TALON_BUILD_EMULATOR_PATH
    const QString built = QString::fromUtf8(TALON_BUILD_EMULATOR_PATH);
    if (IsProgram(built)) {
        return built;
    }
#endif
    return QStandardPaths::findExecutable(QString::fromLatin1(ProgramName));
}

bool EmulatorProcess::Running() const {
    return Process && Process->state() == QProcess::Running && !Device.empty();
}

bool EmulatorProcess::Ensure(int port, QString& failure) {
    if (!Running() && !Start(failure)) {
        return false;
    }
    if (!Address()) {
        RegisterPortDevice(port, Device);
    }
    return true;
}

std::optional<NetworkAddress> EmulatorProcess::Address() const {
    return ParseNetworkAddress(Device);
}

bool EmulatorProcess::Start(QString& failure) {
    Stop();
    const QString program = FindProgram();
    if (program.isEmpty()) {
        failure = QStringLiteral("program %1 nije pronadjen").arg(QLatin1String(ProgramName));
        return false;
    }
    Process = std::make_unique<QProcess>();
    Process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    TieBeforeStart(*Process);
    Process->start(program, QStringList{QString::fromLatin1(DemoOption)} + ServingArguments());
    const QDeadlineTimer deadline(StartTimeoutMs);
    if (!Process->waitForStarted(StartTimeoutMs)) {
        failure = Process->errorString();
        Stop();
        return false;
    }
    Tie = TieAfterStart(*Process);
    while (!Process->canReadLine() && Process->state() == QProcess::Running &&
           Process->waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
    }
    Device =
        Process->canReadLine() ? ServedInLine(Process->readLine().toStdString()) : std::string();
    if (Device.empty()) {
        failure = QStringLiteral("%1 nije javio svoj uredjaj").arg(program);
        Stop();
        return false;
    }
    // Whatever it prints later is not needed, but must not pile up unread.
    QProcess* process = Process.get();
    QObject::connect(process, &QProcess::readyReadStandardOutput, process,
                     [process] { process->readAllStandardOutput(); });
    return true;
}

void EmulatorProcess::Stop() {
    Tie.reset();
    if (Process && Process->state() != QProcess::NotRunning) {
        Process->terminate();
        if (!Process->waitForFinished(StopTimeoutMs)) {
            Process->kill();
            Process->waitForFinished(StopTimeoutMs);
        }
    }
    Process.reset();
    Device.clear();
}
