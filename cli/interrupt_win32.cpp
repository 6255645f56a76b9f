#include "cli/interrupt.h"

#include "text/windows_api.h"

#include <atomic>

namespace {

std::atomic<bool> Requested{false};

// Runs on a thread of the console's own. The first Ctrl+C (or Ctrl+Break) is taken; the
// second one goes on to the default handler, which ends the program.
BOOL WINAPI OnInterrupt(DWORD event) {
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) {
        return FALSE;
    }
    return Requested.exchange(true) ? FALSE : TRUE;
}

} // namespace

void CatchInterrupt() {
    SetConsoleCtrlHandler(OnInterrupt, TRUE);
}

bool InterruptRequested() {
    return Requested;
}
