#include "emulator/end_request.h"

#include <csignal>
#include <cstdio>
#include <pthread.h>

namespace {
// The signals that end the emulator, and SIGUSR1, which asks for the line's byte count;
// they are waited for, not handled asynchronously.
sigset_t EndingSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGHUP);
    sigaddset(&set, SIGUSR1);
    return set;
}
} // namespace

void PrepareForEndRequest() {
    // Blocked before any thread starts, so only sigwait below receives them.
    const sigset_t ending = EndingSignals();
    pthread_sigmask(SIG_BLOCK, &ending, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

void WaitForEndRequest(const TalonEmulator& emulator) {
    const sigset_t ending = EndingSignals();
    int received = 0;
    while (sigwait(&ending, &received) == 0 && received == SIGUSR1) {
        std::printf("line-bytes %llu\n", static_cast<unsigned long long>(emulator.LineBytes()));
        std::fflush(stdout);
    }
}
