#pragma once

#include <string>
#include <vector>

// talonsendplu-cli run as a real process, its output and exit status collected.
struct CliResult {
    int Status = -1;
    std::string Out;
    std::string Err;
};

class CliProcess {
public:
    // Starts the program with these arguments; `environment` entries ("NAME=value") are
    // added to this process's environment.
    explicit CliProcess(const std::vector<std::string>& args,
                        const std::vector<std::string>& environment = {});
    ~CliProcess();
    CliProcess(const CliProcess&) = delete;
    CliProcess& operator=(const CliProcess&) = delete;

    void Signal(int signal);
    // Waits for the end (killing a program that runs past a minute).
    CliResult Finish();

private:
    int Pid = -1;
    int OutPipe = -1;
    int ErrPipe = -1;
};

CliResult RunCli(const std::vector<std::string>& args,
                 const std::vector<std::string>& environment = {});
