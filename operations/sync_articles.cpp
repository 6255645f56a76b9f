#include "operations/sync_articles.h"

#include <string>

#include "ecr/talon_ecr.h"
#include "image/image_check.h"
#include "image/image_keeper.h"
#include "operations/erase_articles.h"
#include "operations/operation_sinks.h"
#include "operations/send_articles.h"

namespace {

void FindChanges(const RegisterImage& image, const ArticleTable& table, bool prune,
                 SyncOutcome& outcome) {
    for (int location : PresentLocations(table)) {
        const auto known = image.Articles.find(location);
        if (known == image.Articles.end() || !SameProgramming(known->second, table[location])) {
            outcome.ToWrite.push_back(location);
        } else {
            ++outcome.Unchanged;
        }
    }
    for (const auto& [location, item] : image.Articles) {
        if (prune && location != ProtectedLocation && !IsPresent(table[location])) {
            outcome.ToErase.push_back(location);
        }
    }
}

std::vector<EraseTarget> PruneTargets(const RegisterImage& image, const std::vector<int>& erase) {
    std::vector<EraseTarget> targets;
    for (int location : erase) {
        targets.push_back({location, image.Articles.at(location).GetDescription()});
    }
    return targets;
}

ECRString SummaryLine(const SyncOutcome& o, bool prune) {
    ECRString line = ECRString("Izmene: upisano ") + ECRString(o.Written) + ", odbijeno " +
                     ECRString(o.Refused) + ", nepromenjeno " + ECRString(o.Unchanged);
    return prune ? line + ", obrisano " + ECRString(o.Erased) : line;
}

// Every written location read back; one that differs makes the image untrusted.
void VerifyWritten(TalonECR& ecr, ImageKeeper& image, const ArticleTable& table,
                   const std::vector<int>& written, LogSink& log, SyncOutcome& outcome) {
    std::string reason;
    for (int location : written) {
        TalonPLUItem read;
        if (!ReadBack(ecr, location, read) || !SameProgramming(read, table[location])) {
            log.Line(ECRString("Artikal ") + ECRString(location) + " se razlikuje posle upisa");
            ++outcome.Differing;
            reason = reason.empty() ? DifferingReason(location) : reason;
        }
    }
    if (!reason.empty()) {
        image.Distrust(reason, log);
    }
}

// The writes, then the erases, under one journal.
std::vector<int> WriteChanges(TalonECR& ecr, ImageKeeper& image, const ArticleTable& table,
                              const SyncOptions& options, ProgressSink& progress, LogSink& log,
                              SyncOutcome& outcome) {
    const std::vector<EraseTarget> targets = PruneTargets(image.Image(), outcome.ToErase);
    std::vector<PlannedStep> plan = WritePlan(table, outcome.ToWrite);
    const std::vector<PlannedStep> erases = ErasePlan(targets);
    plan.insert(plan.end(), erases.begin(), erases.end());
    ImageWriting writing(image, ecr, JournalKind::Patch, plan, log, HistoryOperation::Sync);
    if (!writing.Ready()) {
        outcome.Blocked = true;
        return {};
    }
    const SendOutcome sent =
        SendArticles(ecr, table, outcome.ToWrite, progress, log, &image, options.Reconnect);
    outcome.Written = sent.Written;
    outcome.Refused = sent.Refused;
    outcome.FirstRefusal = sent.FirstRefusal;
    outcome.Stopped = sent.Stopped;
    outcome.Blocked = sent.Blocked;
    if (options.Prune && !outcome.Stopped && !outcome.Blocked) {
        const EraseOutcome erased =
            EraseArticles(ecr, targets, progress, log, &image, {}, options.Reconnect);
        outcome.Erased = erased.Erased;
        outcome.Refused += erased.Refused;
        outcome.Stopped = erased.Stopped;
        outcome.Blocked = erased.Blocked;
    }
    writing.Ended(outcome.Stopped || outcome.Blocked);
    return sent.Accepted;
}

} // namespace

SyncOutcome SyncArticles(TalonECR& ecr, ImageKeeper& image, const ArticleTable& table,
                         const SyncOptions& options, ProgressSink& progress, LogSink& log) {
    SyncOutcome outcome;
    ecr.RequestStatus();
    image.Identify(ecr.GetStatusItem());
    const ImageHold hold(image, log);
    if (!hold.Held()) {
        outcome.Blocked = true;
        return outcome;
    }
    const ImageKeeper::Verdict verdict = image.Check(ecr, log);
    if (verdict != ImageKeeper::Verdict::Trusted) {
        outcome.Blocked = verdict == ImageKeeper::Verdict::NotSaved;
        return outcome;
    }
    outcome.Trusted = true;
    FindChanges(image.Image(), table, options.Prune, outcome);
    if (!options.DryRun && (!outcome.ToWrite.empty() || !outcome.ToErase.empty())) {
        const std::vector<int> written =
            WriteChanges(ecr, image, table, options, progress, log, outcome);
        if (outcome.Blocked) {
            return outcome;
        }
        if (options.Verify && !outcome.Stopped) {
            VerifyWritten(ecr, image, table, written, log, outcome);
        }
    }
    log.Line(SummaryLine(outcome, options.Prune));
    return outcome;
}
