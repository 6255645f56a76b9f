#include "cli/run_program.h"

// The arguments as the system gives them: the bytes of the file names, unchanged.
int main(int argc, char* argv[]) {
    return RunProgram(std::vector<std::string>(argv + 1, argv + argc));
}
