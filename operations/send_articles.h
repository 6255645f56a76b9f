#pragma once

#include <vector>

#include "articles/article_table.h"

class ImageKeeper;
class LogSink;
class ProgressSink;
class TalonECR;

struct SendOutcome {
    int Written = 0;
    int Refused = 0;
    bool Stopped = false; // asked to stop before every location was sent
};

// Writes the table's article at each location, in the order given, one progress step a
// location. A refusal is logged under the article's name with the register's error line
// and the sending goes on; a broken link is logged under the name and thrown on.
// Locations outside the table are passed over (a step all the same). The image, when
// given, learns every article the register accepted.
SendOutcome SendArticles(TalonECR& ecr, const ArticleTable& table,
                         const std::vector<int>& locations, ProgressSink& progress, LogSink& log,
                         ImageKeeper* image = nullptr);

// Every location of the table with an article, in location order.
std::vector<int> PresentLocations(const ArticleTable& table);
