#pragma once

#include <string>
#include <vector>

// The program as its main function starts it: the arguments after its name, in UTF-8 on
// Windows; the exit status out, 1 for an error nothing else caught.
int RunProgram(const std::vector<std::string>& args);
