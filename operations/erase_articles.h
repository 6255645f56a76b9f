#pragma once

#include <functional>
#include <vector>

#include "articles/article_table.h"
#include "image/image_journal.h"
#include "text/ecr_string.h"

class ImageKeeper;
class LogSink;
class ProgressSink;
class Reconnection;
class TalonECR;

// One article to erase: its number in the register and the name it is logged under.
struct EraseTarget {
    int Number = 0;
    ECRString Name;
};

struct EraseOutcome {
    int Erased = 0;
    int Refused = 0;
    bool Stopped = false;
    // The image is held elsewhere or its journal cannot be written: nothing (more) sent.
    bool Blocked = false;
};

// Erases one article. A refusal is logged under its name with the register's error line;
// a broken link is logged under the name and thrown on, unless the reconnection, when
// given, takes the connection up again. True when the register erased it. The image, when
// given, learns the reply.
bool EraseArticle(TalonECR& ecr, const EraseTarget& target, LogSink& log,
                  ImageKeeper* image = nullptr, Reconnection* reconnection = nullptr);

// Told each target as soon as the register has erased it, so that a caller whose
// operation a broken link cuts short still knows what is gone.
using ErasedTarget = std::function<void(const EraseTarget& target)>;

// Erases every target but location 1, which stays; one progress step a target, location
// 1 included. A refusal does not stop the others.
EraseOutcome EraseArticles(TalonECR& ecr, const std::vector<EraseTarget>& targets,
                           ProgressSink& progress, LogSink& log, ImageKeeper* image = nullptr,
                           const ErasedTarget& erased = {}, Reconnection* reconnection = nullptr);

// The erases above, or one erase, with the image's bookkeeping.
EraseOutcome EraseArticleList(TalonECR& ecr, ImageKeeper& image,
                              const std::vector<EraseTarget>& targets, ProgressSink& progress,
                              LogSink& log, const ErasedTarget& erased = {},
                              Reconnection* reconnection = nullptr);
EraseOutcome EraseOneArticle(TalonECR& ecr, ImageKeeper& image, const EraseTarget& target,
                             LogSink& log);

// The erases of these targets as a journal's plan (location 1 left out).
std::vector<PlannedStep> ErasePlan(const std::vector<EraseTarget>& targets);

// The articles of a listed table as erase targets, under their register numbers.
std::vector<EraseTarget> ListedTargets(const ArticleTable& table);
