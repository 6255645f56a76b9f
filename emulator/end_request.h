#pragma once

#include "emulator/talon_emulator.h"

// How talon-emulator is asked to end: Ctrl+C, or the system ending it (SIGTERM and SIGHUP;
// on Windows the console closing). Prepare before any thread starts.
void PrepareForEndRequest();
// Returns once the end is asked. On Linux SIGUSR1 meanwhile prints the bytes that crossed
// the line, "line-bytes N", for benchmarks.
void WaitForEndRequest(const TalonEmulator& emulator);
