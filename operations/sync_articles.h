#pragma once

#include <vector>

#include "articles/article_table.h"

class ImageKeeper;
class LogSink;
class ProgressSink;
class Reconnection;
class TalonECR;

struct SyncOptions {
    bool DryRun = false;               // work out the changes, write nothing
    bool Prune = false;                // also erase what the image has and the list has not
    bool Verify = false;               // read back every location written and compare it
    Reconnection* Reconnect = nullptr; // takes up a connection lost while writing
};

struct SyncOutcome {
    bool Trusted = false; // false: the image failed its checks and nothing was written
    // The image is held elsewhere or its journal cannot be written: nothing (more) sent.
    bool Blocked = false;
    std::vector<int> ToWrite;
    std::vector<int> ToErase;
    int Written = 0;
    int Refused = 0;
    int Unchanged = 0;
    int Erased = 0;
    int Differing = 0;      // written, but read back otherwise (--verify)
    ECRString FirstRefusal; // of the writes: as SendOutcome's
    bool Stopped = false;
};

// Writes only the locations whose programmed fields differ from the register's image, or
// that it lacks, once the image passed its keeper's check against the register
// (ImageKeeper::Check: nothing is written otherwise). Ends with the line
// "Izmene: upisano W, odbijeno R, nepromenjeno U".
SyncOutcome SyncArticles(TalonECR& ecr, ImageKeeper& image, const ArticleTable& table,
                         const SyncOptions& options, ProgressSink& progress, LogSink& log);
