#pragma once

#include <functional>

#include "articles/article_table.h"

class ImageKeeper;
class LogSink;
class ProgressSink;
class TalonECR;

struct ListOutcome {
    int Count = 0;        // articles the register's status reports
    int Read = 0;         // entries read
    int Found = 0;        // entries read that hold an article
    bool Stopped = false; // asked to stop before the chain's end
};

// Told each entry as it is read: its place in the listing (1, 2, ...) and the entry.
using ListedEntry = std::function<void(int place, const TalonPLUItem& entry)>;

// Clears the table, asks the status for the article count (the progress range), then
// reads the register's chain of articles from location 0, each entry into the table at
// the location it was asked for. A broken link is thrown on.
ListOutcome ListArticles(TalonECR& ecr, ArticleTable& table, ProgressSink& progress,
                         const ListedEntry& listed = {});

// The listing, and a complete one replaces the register's image.
ListOutcome ListArticles(TalonECR& ecr, ImageKeeper& image, ArticleTable& table,
                         ProgressSink& progress, LogSink& log, const ListedEntry& listed = {});
