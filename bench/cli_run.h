#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// talonsendplu-cli as a child process, its output thrown away.
pid_t StartCli(const std::vector<std::string>& args);
int WaitCli(pid_t pid); // the exit status, -1 when it did not exit
int RunCliToEnd(const std::vector<std::string>& args);
