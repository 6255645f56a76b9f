#include "operations/sync_articles.h"

#include <algorithm>
#include <iterator>
#include <random>
#include <string>

#include "ecr/talon_ecr.h"
#include "image/image_keeper.h"
#include "operations/erase_articles.h"
#include "operations/operation_sinks.h"
#include "operations/read_back.h"
#include "operations/send_articles.h"

namespace {

constexpr int SampleSize = 8;
const char* const WrongCount = "broj artikala";

ECRString UntrustedLine(const std::string& reason) {
    return ECRString("Slika kase nije pouzdana (") + reason.c_str() +
           "): potrebno je Prikazi ili Posalji";
}

std::string DifferingReason(int location) {
    return "artikal " + std::to_string(location) + " se razlikuje";
}

// Up to SampleSize locations drawn at random, the lowest and the highest always among
// them: syncs day after day cover the whole table.
std::vector<int> SampleLocations(const RegisterImage& image) {
    std::vector<int> all;
    for (const auto& entry : image.Articles) {
        all.push_back(entry.first);
    }
    if (all.size() <= static_cast<std::size_t>(SampleSize)) {
        return all;
    }
    std::vector<int> sample{all.front(), all.back()};
    std::mt19937 random(std::random_device{}());
    std::sample(all.begin() + 1, all.end() - 1, std::back_inserter(sample), SampleSize - 2, random);
    return sample;
}

// "" when every sampled article reads back as the image has it.
std::string CheckSample(TalonECR& ecr, const RegisterImage& image) {
    for (int location : SampleLocations(image)) {
        TalonPLUItem read;
        if (!ReadBack(ecr, location, read) || !SameProgramming(read, image.Articles.at(location))) {
            return DifferingReason(location);
        }
    }
    return {};
}

// The image against the register; "" when it can be trusted.
std::string CheckImage(TalonECR& ecr, ImageKeeper& image, int registerArticles) {
    const std::string reason = image.Load();
    if (!reason.empty()) {
        return reason;
    }
    if (const std::optional<int> location = image.InFlight()) {
        TalonPLUItem read;
        const bool held = ReadBack(ecr, *location, read);
        image.Resolve(*location, held ? &read : nullptr);
    }
    if (static_cast<int>(image.Image().Articles.size()) != registerArticles) {
        return WrongCount;
    }
    return CheckSample(ecr, image.Image());
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
    ImageWriting writing(image, ecr, ImageKeeper::Writing::Patch, plan, log,
                         HistoryOperation::Sync);
    if (!writing.Ready()) {
        outcome.Blocked = true;
        return {};
    }
    const SendOutcome sent =
        SendArticles(ecr, table, outcome.ToWrite, progress, log, &image, options.Reconnect);
    outcome.Written = sent.Written;
    outcome.Refused = sent.Refused;
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
    const std::string reason = CheckImage(ecr, image, ecr.GetStatusItem().GetArticles());
    if (!reason.empty()) {
        image.Distrust(reason, log);
        log.Line(UntrustedLine(reason));
        return outcome;
    }
    if (!image.Settle(log)) {
        outcome.Blocked = true;
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
