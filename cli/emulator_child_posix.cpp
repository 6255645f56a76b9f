#include "cli/emulator_child.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sstream>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char* const ProgramName = "talon-emulator";
const char* const ProgramVariable = "TALON_EMULATOR";
constexpr int AnswerTimeoutMs = 5000;

bool IsProgram(const std::string& path) {
    return !path.empty() && access(path.c_str(), X_OK) == 0;
}

std::string ThisProgramFolder() {
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) {
        return {};
    }
    const std::string path(buffer, static_cast<std::size_t>(n));
    return path.substr(0, path.rfind('/'));
}

std::string OnPath() {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path != nullptr ? path : "");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        const std::string candidate = folder + "/" + ProgramName;
        if (IsProgram(candidate)) {
            return candidate;
        }
    }
    return {};
}

} // namespace

struct EmulatorChild::Running {
    ~Running() {
        kill(Pid, SIGTERM);
        waitpid(Pid, nullptr, 0);
        close(Output);
    }

    pid_t Pid = -1;
    int Output = -1; // the read end of its standard output
};

std::string EmulatorChild::FindProgram() {
    const char* fromEnvironment = std::getenv(ProgramVariable);
    if (fromEnvironment != nullptr && IsProgram(fromEnvironment)) {
        return fromEnvironment;
    }
    const std::string beside = ThisProgramFolder() + "/" + ProgramName;
    if (IsProgram(beside)) {
        return beside;
    }
#ifdef TALON_BUILD_EMULATOR_PATH
    if (IsProgram(TALON_BUILD_EMULATOR_PATH)) {
        return TALON_BUILD_EMULATOR_PATH;
    }
#endif
    return OnPath();
}

EmulatorChild::EmulatorChild(const std::string& binary, const std::vector<std::string>& args) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        throw std::runtime_error("pipe failed");
    }
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(binary.c_str()));
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid < 0) {
        close(pipeFds[0]);
        close(pipeFds[1]);
        throw std::runtime_error("fork failed");
    }
    if (pid == 0) {
        // Should this program be killed, the emulator must not stay behind.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        // Ctrl+C is for this program, which ends the exchange cleanly; the emulator must
        // not vanish under it. Its greeting on standard error is not for the user either.
        setpgid(0, 0);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDERR_FILENO);
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        execv(binary.c_str(), argv.data());
        _exit(127);
    }
    close(pipeFds[1]);
    Child = std::make_unique<Running>();
    Child->Pid = pid;
    Child->Output = pipeFds[0];
    ReadDevice(binary);
}

EmulatorChild::~EmulatorChild() = default;

std::string EmulatorChild::ReadLine(int timeoutMs) {
    for (;;) {
        const std::size_t end = Pending.find('\n');
        if (end != std::string::npos) {
            std::string line = Pending.substr(0, end);
            Pending.erase(0, end + 1);
            return line;
        }
        pollfd p{Child->Output, POLLIN, 0};
        const int ready = poll(&p, 1, timeoutMs);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        char buffer[256];
        const ssize_t got = ready > 0 ? read(Child->Output, buffer, sizeof buffer) : 0;
        if (got <= 0) {
            return {};
        }
        Pending.append(buffer, static_cast<std::size_t>(got));
    }
}

long long EmulatorChild::LineBytes() {
    // The emulator answers SIGUSR1 with one line: "line-bytes N".
    kill(Child->Pid, SIGUSR1);
    const std::string line = ReadLine(AnswerTimeoutMs);
    const std::size_t space = line.rfind(' ');
    return space == std::string::npos ? -1 : std::atoll(line.c_str() + space + 1);
}
