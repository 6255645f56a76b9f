#include "emulator/end_request.h"

#include <cstdio>

#include "text/windows_api.h"

namespace {
HANDLE EndAsked = nullptr;

// Runs on a thread of the system's; the main thread does the stopping.
BOOL WINAPI OnConsoleEvent(DWORD) {
    SetEvent(EndAsked);
    return TRUE;
}
} // namespace

void PrepareForEndRequest() {
    EndAsked = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

void WaitForEndRequest(const TalonEmulator&) {
    if (WaitForSingleObject(EndAsked, INFINITE) == WAIT_FAILED) {
        std::fprintf(stderr, "talon emulator: cannot wait for Ctrl+C (error %lu)\n",
                     GetLastError());
    }
}
