// talon-drop-proxy: the tests' proxy as a program of its own, for the checks of the
// Windows programs under Wine. Relays a port of 127.0.0.1 to TARGET_PORT there and cuts the
// connection once, right after the client's Nth article write. Prints its port, then runs
// until ended (SIGTERM or Ctrl+C); the exit status says whether it cut.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <pthread.h>

#include "tests/support/drop_proxy.h"

int main(int argc, char** argv) {
    if (argc != 3 || std::atoi(argv[1]) <= 0 || std::atoi(argv[2]) <= 0) {
        std::fprintf(stderr, "Usage: talon-drop-proxy TARGET_PORT WRITES\n");
        return 2;
    }
    // Blocked before the relaying thread starts, so only sigwait below receives them.
    sigset_t ending;
    sigemptyset(&ending);
    sigaddset(&ending, SIGTERM);
    sigaddset(&ending, SIGINT);
    pthread_sigmask(SIG_BLOCK, &ending, nullptr);
    try {
        DropProxy proxy(std::atoi(argv[1]), std::atoi(argv[2]));
        std::printf("%d\n", proxy.Port());
        std::fflush(stdout);
        int received = 0;
        sigwait(&ending, &received);
        return proxy.Dropped() ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "talon-drop-proxy: %s\n", e.what());
        return 2;
    }
}
