#include "operations/sync_articles.h"

#include <string>

#include "ecr/talon_ecr.h"
#include "operations/erase_articles.h"
#include "operations/image_keeper.h"
#include "operations/operation_sinks.h"
#include "operations/send_articles.h"

namespace {

constexpr int SampleSize = 8;

ECRString UntrustedLine(const std::string& reason) {
    return ECRString("Slika kase nije pouzdana (") + reason.c_str() +
           "): potrebno je Prikazi ili Posalji";
}

// Up to SampleSize locations spread evenly over the image, first and last included.
std::vector<int> SampleLocations(const RegisterImage& image) {
    const std::vector<int> all = [&] {
        std::vector<int> locations;
        for (const auto& entry : image.Articles) {
            locations.push_back(entry.first);
        }
        return locations;
    }();
    if (all.size() <= static_cast<std::size_t>(SampleSize)) {
        return all;
    }
    std::vector<int> sample;
    for (int i = 0; i < SampleSize; ++i) {
        sample.push_back(all[i * (all.size() - 1) / (SampleSize - 1)]);
    }
    return sample;
}

// "" when every sampled article reads back as the image has it.
std::string CheckSample(TalonECR& ecr, const RegisterImage& image) {
    for (int location : SampleLocations(image)) {
        TalonPLUItem read;
        ecr.ReadArticle(location, read);
        if (read.GetThisID() != location || !SameProgramming(read, image.Articles.at(location))) {
            return "artikal " + std::to_string(location) + " se razlikuje";
        }
    }
    return {};
}

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

void WriteChanges(TalonECR& ecr, ImageKeeper& image, const ArticleTable& table, bool prune,
                  ProgressSink& progress, LogSink& log, SyncOutcome& outcome) {
    ImageWriting writing(&image, ecr, ImageKeeper::Writing::Patch, log, HistoryOperation::Sync);
    const std::vector<EraseTarget> targets = PruneTargets(image.Image(), outcome.ToErase);
    const SendOutcome sent = SendArticles(ecr, table, outcome.ToWrite, progress, log, &image);
    outcome.Written = sent.Written;
    outcome.Refused = sent.Refused;
    outcome.Stopped = sent.Stopped;
    if (prune && !outcome.Stopped) {
        const EraseOutcome erased = EraseArticles(ecr, targets, progress, log, &image);
        outcome.Erased = erased.Erased;
        outcome.Refused += erased.Refused;
        outcome.Stopped = erased.Stopped;
    }
    if (!outcome.Stopped) {
        writing.EndedNormally();
    }
}

} // namespace

SyncOutcome SyncArticles(TalonECR& ecr, ImageKeeper& image, const ArticleTable& table,
                         const SyncOptions& options, ProgressSink& progress, LogSink& log) {
    SyncOutcome outcome;
    ecr.RequestStatus();
    image.Identify(ecr.GetStatusItem());
    std::string reason = image.Check(ecr.GetStatusItem().GetArticles());
    if (reason.empty()) {
        reason = CheckSample(ecr, image.Image());
    }
    if (!reason.empty()) {
        log.Line(UntrustedLine(reason));
        return outcome;
    }
    outcome.Trusted = true;
    FindChanges(image.Image(), table, options.Prune, outcome);
    if (!options.DryRun && (!outcome.ToWrite.empty() || !outcome.ToErase.empty())) {
        WriteChanges(ecr, image, table, options.Prune, progress, log, outcome);
    }
    log.Line(SummaryLine(outcome, options.Prune));
    return outcome;
}
