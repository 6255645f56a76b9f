#pragma once

// Ctrl+C: the first one asks the running operations to stop after the exchange on the
// line; a second one ends the program at once.
void CatchInterrupt();
bool InterruptRequested();
