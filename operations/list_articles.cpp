#include "operations/list_articles.h"

#include "ecr/talon_ecr.h"
#include "image/image_keeper.h"
#include "operations/operation_sinks.h"

namespace {

constexpr int FirstRequest = 0;

// A register that names a location outside the table, or one that does not grow, would
// make the listing write outside the table or run for ever; either ends it.
bool ListingGoesOn(int asked, int next) {
    return next > 0 && next < ArticleTableSize && next > asked;
}

} // namespace

ListOutcome ListArticles(TalonECR& ecr, ArticleTable& table, ProgressSink& progress,
                         const ListedEntry& listed) {
    ListOutcome outcome;
    ClearArticles(table);
    ecr.RequestStatus();
    outcome.Count = ecr.GetStatusItem().GetArticles();
    progress.Begin(0, outcome.Count);
    int asked = FirstRequest;
    for (;;) {
        TalonPLUItem& entry = table[asked];
        const int next = ecr.ReadArticle(asked, entry);
        ++outcome.Read;
        if (IsPresent(entry)) {
            ++outcome.Found;
        }
        if (listed) {
            listed(outcome.Read, entry);
        }
        progress.Step(1);
        if (!ListingGoesOn(asked, next)) {
            break;
        }
        if (progress.StopRequested()) {
            outcome.Stopped = true;
            break;
        }
        asked = next;
    }
    progress.End();
    return outcome;
}

ListOutcome ListArticles(TalonECR& ecr, ImageKeeper& image, ArticleTable& table,
                         ProgressSink& progress, LogSink& log, const ListedEntry& listed) {
    const ListOutcome outcome = ListArticles(ecr, table, progress, listed);
    // One cut short is not the register's whole list: the image keeps what it had.
    if (!outcome.Stopped) {
        image.Listed(ecr.GetStatusItem(), table, log);
    }
    return outcome;
}
