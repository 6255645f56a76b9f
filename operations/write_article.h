#pragma once

#include <cstdint>

#include "plu/talon_plu_item.h"

class ImageKeeper;
class LogSink;
class Reconnection;
class TalonECR;

// The register's code for one write of an article under its location. A refusal is logged
// under the article's name with the register's error line; a broken link is logged under
// the name and thrown on, unless the reconnection, when given, takes the connection up
// again. The image, when given, learns the reply.
std::int32_t WriteArticle(TalonECR& ecr, const TalonPLUItem& item, int location, LogSink& log,
                          ImageKeeper* image, Reconnection* reconnection = nullptr);

struct EditOutcome {
    bool Blocked = false; // the image is held elsewhere or cannot be written: nothing sent
    std::int32_t Code = 0;
};

// One article written under its own number (ThisID), with the image's bookkeeping: the
// edit of one register article.
EditOutcome WriteEditedArticle(TalonECR& ecr, ImageKeeper& image, const TalonPLUItem& item,
                               LogSink& log);
