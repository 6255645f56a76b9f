#include "cli/run_program.h"

#include <clocale>
#include <exception>

#include "cli/cli_main.h"
#include "cli/console_text.h"

int RunProgram(const std::vector<std::string>& args) {
    // Prices are always written with ".", whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    try {
        return RunCommandLine(args);
    } catch (const std::exception& error) {
        WriteText(stderr, std::string("talonsendplu-cli: ") + error.what() + "\n");
    }
    return 1;
}
