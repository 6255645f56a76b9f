#include "bench/emulator_child.h"

#include <csignal>
#include <cstdlib>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

EmulatorChild::EmulatorChild(const std::string& binary, const std::vector<std::string>& args) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        throw std::runtime_error("pipe failed");
    Pid = fork();
    if (Pid < 0)
        throw std::runtime_error("fork failed");
    if (Pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(binary.c_str()));
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(binary.c_str(), argv.data());
        _exit(127);
    }
    close(pipeFds[1]);
    Output = pipeFds[0];
    Device = ReadLine();
    if (Device.empty())
        throw std::runtime_error("talon-emulator did not start: " + binary);
}

EmulatorChild::~EmulatorChild() {
    if (Pid > 0) {
        kill(Pid, SIGTERM);
        waitpid(Pid, nullptr, 0);
    }
    if (Output >= 0)
        close(Output);
}

std::string EmulatorChild::ReadLine() {
    for (;;) {
        const size_t end = Pending.find('\n');
        if (end != std::string::npos) {
            std::string line = Pending.substr(0, end);
            Pending.erase(0, end + 1);
            return line;
        }
        char buffer[256];
        const ssize_t got = read(Output, buffer, sizeof buffer);
        if (got <= 0)
            return {};
        Pending.append(buffer, static_cast<size_t>(got));
    }
}

long long EmulatorChild::LineBytes() {
    // The emulator answers SIGUSR1 with one line: "line-bytes N".
    kill(Pid, SIGUSR1);
    const std::string line = ReadLine();
    const size_t space = line.rfind(' ');
    return space == std::string::npos ? -1 : std::atoll(line.c_str() + space + 1);
}
