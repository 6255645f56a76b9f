#include "cli/run_program.h"
#include "text/wide_path.h"

// Taken wide and made UTF-8: the narrow arguments would come in the system's code page,
// which cannot hold every file name.
int wmain(int argc, wchar_t* argv[]) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.push_back(FromWide(argv[i]));
    }
    return RunProgram(args);
}
