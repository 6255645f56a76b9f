#include <clocale>
#include <cstdio>
#include <exception>
#include <stdexcept>

#include "cli/cli_main.h"

int main(int argc, char* argv[]) {
    // Prices are always written with ".", whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    try {
        return RunCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "talonsendplu-cli: %s\n", error.what());
    }
    return 1;
}
