#pragma once

#include <vector>

#include "articles/article_table.h"
#include "image/image_journal.h"

class ImageKeeper;
class LogSink;
class ProgressSink;
class Reconnection;
class TalonECR;

struct SendOutcome {
    int Written = 0;
    int Refused = 0;
    bool Stopped = false; // asked to stop before every location was sent
    // The image is held elsewhere or its journal cannot be written: nothing (more) sent.
    bool Blocked = false;
    std::vector<int> Accepted; // the locations the register accepted, in order
    ECRString FirstRefusal;    // "NAME: Greska C: TEXT" of the first refused; empty: none
};

// Writes the table's article at each location, in the order given, one progress step a
// location. A refusal is logged under the article's name with the register's error line
// and the sending goes on; a broken link is logged under the name and thrown on, unless
// the reconnection, when given, takes the connection up again.
// Locations outside the table are passed over (a step all the same). The image, when
// given, learns every reply; one whose journal fails stops the sending (Blocked).
SendOutcome SendArticles(TalonECR& ecr, const ArticleTable& table,
                         const std::vector<int>& locations, ProgressSink& progress, LogSink& log,
                         ImageKeeper* image = nullptr, Reconnection* reconnection = nullptr);

// A full send of the article list: the writes above, with the image's bookkeeping.
SendOutcome SendArticleList(TalonECR& ecr, ImageKeeper& image, const ArticleTable& table,
                            const std::vector<int>& locations, ProgressSink& progress, LogSink& log,
                            Reconnection* reconnection = nullptr);

// The writes of these locations as a journal's plan (those outside the table left out).
std::vector<PlannedStep> WritePlan(const ArticleTable& table, const std::vector<int>& locations);

// Every location of the table with an article, in location order.
std::vector<int> PresentLocations(const ArticleTable& table);
