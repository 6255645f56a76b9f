#include "cli/run_program.h"

#include <clocale>
#include <cstdio>
#include <exception>

#include "cli/cli_main.h"

int RunProgram(const std::vector<std::string>& args) {
    // Prices are always written with ".", whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    try {
        return RunCommandLine(args);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "talonsendplu-cli: %s\n", error.what());
    }
    return 1;
}
