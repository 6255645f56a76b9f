#include "operations/send_articles.h"

#include "image/image_keeper.h"
#include "operations/operation_sinks.h"
#include "operations/register_log.h"
#include "operations/write_article.h"

namespace {

bool IsTableIndex(int location) {
    return location >= 0 && location < ArticleTableSize;
}

} // namespace

SendOutcome SendArticles(TalonECR& ecr, const ArticleTable& table,
                         const std::vector<int>& locations, ProgressSink& progress, LogSink& log,
                         ImageKeeper* image, Reconnection* reconnection) {
    SendOutcome outcome;
    progress.Begin(0, static_cast<int>(locations.size()));
    for (int location : locations) {
        if (progress.StopRequested()) {
            outcome.Stopped = true;
            break;
        }
        if (image != nullptr && image->JournalFailed()) {
            outcome.Blocked = true; // the log has said why
            break;
        }
        if (IsTableIndex(location)) {
            const bool written =
                WriteArticle(ecr, table[location], location, log, image, reconnection) == 0;
            ++(written ? outcome.Written : outcome.Refused);
            if (written) {
                outcome.Accepted.push_back(location);
            } else if (outcome.FirstRefusal.GetLength() == 0) {
                outcome.FirstRefusal =
                    table[location].GetDescription() + ": " + RegisterErrorLine(ecr);
            }
        }
        progress.Step(1);
    }
    progress.End();
    return outcome;
}

SendOutcome SendArticleList(TalonECR& ecr, ImageKeeper& image, const ArticleTable& table,
                            const std::vector<int>& locations, ProgressSink& progress, LogSink& log,
                            Reconnection* reconnection) {
    ImageWriting writing(image, ecr, JournalKind::FullSend, WritePlan(table, locations), log);
    if (!writing.Ready()) {
        SendOutcome blocked;
        blocked.Blocked = true;
        return blocked;
    }
    const SendOutcome outcome =
        SendArticles(ecr, table, locations, progress, log, &image, reconnection);
    writing.Ended(outcome.Stopped || outcome.Blocked);
    return outcome;
}

std::vector<PlannedStep> WritePlan(const ArticleTable& table, const std::vector<int>& locations) {
    std::vector<PlannedStep> plan;
    for (int location : locations) {
        if (IsTableIndex(location)) {
            plan.push_back({JournalStep::Write, location, table[location]});
        }
    }
    return plan;
}

std::vector<int> PresentLocations(const ArticleTable& table) {
    std::vector<int> locations;
    for (int location = 0; location < ArticleTableSize; ++location) {
        if (IsPresent(table[location])) {
            locations.push_back(location);
        }
    }
    return locations;
}
