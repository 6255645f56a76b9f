#pragma once

#include <string>
#include <vector>

// The whole command line program: the arguments after its name in, the exit status out.
int RunCommandLine(const std::vector<std::string>& args);
