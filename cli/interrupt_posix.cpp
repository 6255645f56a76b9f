#include "cli/interrupt.h"

#include <atomic>
#include <csignal>

namespace {

std::atomic<bool> Requested{false};

extern "C" void OnInterrupt(int) {
    Requested = true;
    std::signal(SIGINT, SIG_DFL);
}

} // namespace

void CatchInterrupt() {
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART; // an exchange in progress goes on to its end
    sigaction(SIGINT, &action, nullptr);
}

bool InterruptRequested() {
    return Requested;
}
