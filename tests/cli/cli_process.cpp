#include "tests/cli/cli_process.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr auto LongestRun = std::chrono::seconds(60);

bool ReadSome(int fd, std::string& into) {
    char buffer[4096];
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got > 0) {
        into.append(buffer, static_cast<std::size_t>(got));
    }
    return got > 0 || (got < 0 && errno == EINTR);
}

} // namespace

CliProcess::CliProcess(const std::vector<std::string>& args,
                       const std::vector<std::string>& environment) {
    int out[2];
    int err[2];
    if (pipe(out) != 0 || pipe(err) != 0) {
        throw std::runtime_error("pipe failed");
    }
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('=') + 1);
        bool replaced = name == "TALON_PASSWORD="; // each test says its own
        for (const std::string& own : environment) {
            replaced = replaced || own.rfind(name, 0) == 0;
        }
        if (!replaced && name == "XDG_DATA_HOME=") {
            // ctest runs test cases side by side: a folder of this test process's own, so
            // that two never hold one register image (and its lock) at once.
            env.push_back(entry + "/test-" + std::to_string(getpid()));
        } else if (!replaced) {
            env.push_back(entry);
        }
    }
    env.insert(env.end(), environment.begin(), environment.end());
    std::vector<char*> argv{const_cast<char*>(TALON_CLI_BIN)};
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& entry : env) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    Pid = fork();
    if (Pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        close(out[0]);
        close(err[0]);
        execve(TALON_CLI_BIN, argv.data(), envp.data());
        _exit(127);
    }
    close(out[1]);
    close(err[1]);
    OutPipe = out[0];
    ErrPipe = err[0];
}

CliProcess::~CliProcess() {
    if (Pid > 0) {
        kill(Pid, SIGKILL);
        waitpid(Pid, nullptr, 0);
    }
    close(OutPipe);
    close(ErrPipe);
}

void CliProcess::Signal(int signal) {
    kill(Pid, signal);
}

CliResult CliProcess::Finish() {
    CliResult result;
    const auto deadline = std::chrono::steady_clock::now() + LongestRun;
    bool outOpen = true;
    bool errOpen = true;
    while ((outOpen || errOpen) && std::chrono::steady_clock::now() < deadline) {
        pollfd fds[2] = {{OutPipe, POLLIN, 0}, {ErrPipe, POLLIN, 0}};
        if (poll(fds, 2, 1000) <= 0) {
            continue;
        }
        if (fds[0].revents != 0) {
            outOpen = ReadSome(OutPipe, result.Out);
        }
        if (fds[1].revents != 0) {
            errOpen = ReadSome(ErrPipe, result.Err);
        }
    }
    if (outOpen || errOpen) {
        kill(Pid, SIGKILL);
    }
    int status = 0;
    waitpid(Pid, &status, 0);
    Pid = -1;
    result.Status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

CliResult RunCli(const std::vector<std::string>& args,
                 const std::vector<std::string>& environment) {
    return CliProcess(args, environment).Finish();
}
