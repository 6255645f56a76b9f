#include "operations/erase_articles.h"

#include "ecr/talon_ecr.h"
#include "image/image_check.h"
#include "image/image_keeper.h"
#include "operations/operation_sinks.h"
#include "operations/reconnection.h"
#include "operations/register_log.h"
#include "serial/ecr_error.h"

namespace {

// One erase; a connection lost on the way is made again and the erase taken up: the
// register may have carried it out before the loss, so the location is read back first.
bool EraseTakenUp(TalonECR& ecr, int location, LogSink& log, Reconnection* reconnection) {
    try {
        return ecr.DeleteArticle(location) == 0;
    } catch (const ECRError& error) {
        if (reconnection == nullptr || !reconnection->Recover(error, log)) {
            throw;
        }
    }
    TalonPLUItem held;
    return !ReadBack(ecr, location, held) || ecr.DeleteArticle(location) == 0;
}

} // namespace

bool EraseArticle(TalonECR& ecr, const EraseTarget& target, LogSink& log, ImageKeeper* image,
                  Reconnection* reconnection) {
    bool erased = false;
    try {
        erased = EraseTakenUp(ecr, target.Number, log, reconnection);
    } catch (const ECRError&) {
        log.Line(target.Name);
        throw;
    }
    if (!erased) {
        log.Line(target.Name);
        log.Line(RegisterErrorLine(ecr));
    }
    if (image != nullptr && erased) {
        image->Erased(target.Number);
    } else if (image != nullptr) {
        image->Refused(target.Number);
    }
    return erased;
}

EraseOutcome EraseArticles(TalonECR& ecr, const std::vector<EraseTarget>& targets,
                           ProgressSink& progress, LogSink& log, ImageKeeper* image,
                           const ErasedTarget& erased, Reconnection* reconnection) {
    EraseOutcome outcome;
    progress.Begin(0, static_cast<int>(targets.size()));
    for (const EraseTarget& target : targets) {
        if (progress.StopRequested()) {
            outcome.Stopped = true;
            break;
        }
        if (image != nullptr && image->JournalFailed()) {
            outcome.Blocked = true; // the log has said why
            break;
        }
        if (target.Number != ProtectedLocation) {
            const bool gone = EraseArticle(ecr, target, log, image, reconnection);
            ++(gone ? outcome.Erased : outcome.Refused);
            if (gone && erased) {
                erased(target);
            }
        }
        progress.Step(1);
    }
    progress.End();
    return outcome;
}

EraseOutcome EraseArticleList(TalonECR& ecr, ImageKeeper& image,
                              const std::vector<EraseTarget>& targets, ProgressSink& progress,
                              LogSink& log, const ErasedTarget& erased,
                              Reconnection* reconnection) {
    ImageWriting writing(image, ecr, JournalKind::Patch, ErasePlan(targets), log,
                         HistoryOperation::Erase);
    if (!writing.Ready()) {
        EraseOutcome blocked;
        blocked.Blocked = true;
        return blocked;
    }
    const EraseOutcome outcome =
        EraseArticles(ecr, targets, progress, log, &image, erased, reconnection);
    writing.Ended(outcome.Stopped || outcome.Blocked);
    return outcome;
}

EraseOutcome EraseOneArticle(TalonECR& ecr, ImageKeeper& image, const EraseTarget& target,
                             LogSink& log) {
    NoProgress progress;
    return EraseArticleList(ecr, image, {target}, progress, log);
}

std::vector<PlannedStep> ErasePlan(const std::vector<EraseTarget>& targets) {
    std::vector<PlannedStep> plan;
    for (const EraseTarget& target : targets) {
        if (target.Number != ProtectedLocation) {
            plan.push_back({JournalStep::Erase, target.Number, TalonPLUItem()});
        }
    }
    return plan;
}

std::vector<EraseTarget> ListedTargets(const ArticleTable& table) {
    std::vector<EraseTarget> targets;
    for (const TalonPLUItem& item : table) {
        if (IsPresent(item)) {
            targets.push_back({item.GetThisID(), item.GetDescription()});
        }
    }
    return targets;
}
