#pragma once

#include <vector>

#include "articles/article_table.h"

class ImageKeeper;
class LogSink;
class ProgressSink;
class TalonECR;

struct SyncOptions {
    bool DryRun = false; // work out the changes, write nothing
    bool Prune = false;  // also erase what the image has and the list has not
};

struct SyncOutcome {
    bool Trusted = false; // false: the image failed its checks and nothing was written
    std::vector<int> ToWrite;
    std::vector<int> ToErase;
    int Written = 0;
    int Refused = 0;
    int Unchanged = 0;
    int Erased = 0;
    bool Stopped = false;
};

// Writes only the locations whose programmed fields differ from the register's image, or
// that it lacks, after checking the image against the register: clean, the same article
// count as the status, and a sample of articles read back alike. Ends with the line
// "Izmene: upisano W, odbijeno R, nepromenjeno U".
SyncOutcome SyncArticles(TalonECR& ecr, ImageKeeper& image, const ArticleTable& table,
                         const SyncOptions& options, ProgressSink& progress, LogSink& log);
