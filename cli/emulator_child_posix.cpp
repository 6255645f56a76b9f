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

#include "serial/network_address.h"

namespace {

const char* const ProgramName = "talon-emulator";
const char* const ProgramVariable = "TALON_EMULATOR";
// Starting and printing the device path takes a moment; a program that says nothing for
// this long is taken as broken rather than waited for.
constexpr int StartTimeoutMs = 5000;
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

// The device is the first word of the line that is a path ("/dev/pts/7"), or the address
// of an emulator serving TCP ("tcp://127.0.0.1:4001").
std::string DeviceInLine(const std::string& line) {
    std::istringstream words(line);
    std::string word;
    while (words >> word) {
        if (word.front() == '/' || LooksLikeNetworkAddress(word)) {
            return word;
        }
    }
    return {};
}

} // namespace

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
    Pid = fork();
    if (Pid < 0) {
        close(pipeFds[0]);
        close(pipeFds[1]);
        throw std::runtime_error("fork failed");
    }
    if (Pid == 0) {
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
    Output = pipeFds[0];
    Device = DeviceInLine(ReadLine(StartTimeoutMs));
    if (Device.empty()) {
        throw std::runtime_error(binary + " nije javio svoj uredjaj");
    }
}

EmulatorChild::~EmulatorChild() {
    if (Pid > 0) {
        kill(Pid, SIGTERM);
        waitpid(Pid, nullptr, 0);
    }
    if (Output >= 0) {
        close(Output);
    }
}

std::string EmulatorChild::ReadLine(int timeoutMs) {
    for (;;) {
        const std::size_t end = Pending.find('\n');
        if (end != std::string::npos) {
            std::string line = Pending.substr(0, end);
            Pending.erase(0, end + 1);
            return line;
        }
        pollfd p{Output, POLLIN, 0};
        const int ready = poll(&p, 1, timeoutMs);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        char buffer[256];
        const ssize_t got = ready > 0 ? read(Output, buffer, sizeof buffer) : 0;
        if (got <= 0) {
            return {};
        }
        Pending.append(buffer, static_cast<std::size_t>(got));
    }
}

long long EmulatorChild::LineBytes() {
    // The emulator answers SIGUSR1 with one line: "line-bytes N".
    kill(Pid, SIGUSR1);
    const std::string line = ReadLine(AnswerTimeoutMs);
    const std::size_t space = line.rfind(' ');
    return space == std::string::npos ? -1 : std::atoll(line.c_str() + space + 1);
}
