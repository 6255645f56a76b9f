#pragma once

#include <chrono>
#include <string>

#include "text/ecr_string.h"

struct SyncOutcome;

// How one till's work ended, from best to worst.
enum class TillEnd {
    Done,
    Refused,    // the register refused an article, a command or the password; or an
                // untrusted image kept sync from writing
    Blocked,    // nothing (more) was sent: the image is held elsewhere or cannot be
                // written, or a file of the work's cannot be saved
    NoRegister, // the port could not be opened or the register did not answer
    LinkFailed, // the link failed in the middle
    Stopped,    // asked to stop
};

// What one till's work came to, for its row of a grid and for its summary line.
struct TillResult {
    TillEnd End = TillEnd::Done;
    // One short line (Windows-1251): "Upisano 40, isto 2958", "Kasa ne odgovara",
    // "Slika kase nije pouzdana (...)", a refused article with its error line, ...
    ECRString Text;
    std::chrono::system_clock::time_point Finished;
    // The register's image name once it answered its status (see ImageName); empty when
    // it was not reached.
    std::string FiscalModule;

    bool Ok() const { return End == TillEnd::Done; }
};

// A sync's result: "Upisano W, isto U", with ", obrisano E" after a prune and
// ", odbijeno R: NAME: Greska ..." naming the first refused article; or the image's
// doubt, "Slika kase nije pouzdana (REASON)", `doubt` the keeper's reason.
TillResult SyncResult(const SyncOutcome& outcome, const std::string& doubt);

// A till's progress as a grid shows it: "Upisano 12 od 40".
ECRString TillProgressText(int done, int total);
