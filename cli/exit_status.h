#pragma once

// The command line's exit statuses, from best to worst.
enum ExitStatus : int {
    ExitDone = 0,
    ExitRefused = 1,    // the register refused one or more articles or commands
    ExitUsage = 2,      // bad usage or an unreadable file: nothing was sent
    ExitNoRegister = 3, // the port could not be opened or the register did not answer
    ExitLinkFailed = 4, // the link failed in the middle
    ExitInterrupted = 130,
};

// The worse of two statuses: what several registers together report.
inline ExitStatus WorseStatus(ExitStatus a, ExitStatus b) {
    return a > b ? a : b;
}
