#include "operations/operation_summaries.h"

#include "operations/erase_articles.h"
#include "operations/list_articles.h"
#include "operations/send_articles.h"
#include "operations/sync_articles.h"

namespace {

const char* const SentPrefix = "Posalji: upisano ";
const char* const Of = " od ";
const char* const Articles = " artikala";
const char* const RefusedPrefix = ", odbijeno ";
const char* const ErasedPrefix = "Obrisano ";
const char* const ReadPrefix = "Procitano ";
const char* const StoppedPrefix = "Prekinuto: ";
const char* const Written = "upisano ";
const char* const Read = "procitano ";
const char* const Erased = "obrisano ";

ECRString Stopped(const char* what, int done, int total) {
    return ECRString(StoppedPrefix) + what + ECRString(done) + Of + ECRString(total) + Articles;
}

} // namespace

ECRString SendSummary(const SendOutcome& outcome, int articles) {
    ECRString line =
        ECRString(SentPrefix) + ECRString(outcome.Written) + Of + ECRString(articles) + Articles;
    if (outcome.Refused > 0) {
        line = line + RefusedPrefix + ECRString(outcome.Refused);
    }
    return line;
}

ECRString EraseSummary(const EraseOutcome& outcome) {
    return ECRString(ErasedPrefix) + ECRString(outcome.Erased) + Articles;
}

ECRString ListSummary(const ListOutcome& outcome) {
    return ECRString(ReadPrefix) + ECRString(outcome.Found) + Articles;
}

ECRString SendStoppedSummary(const SendOutcome& outcome, int articles) {
    return Stopped(Written, outcome.Written, articles);
}

ECRString SyncStoppedSummary(const SyncOutcome& outcome) {
    return Stopped(Written, outcome.Written, static_cast<int>(outcome.ToWrite.size()));
}

ECRString ListStoppedSummary(const ListOutcome& outcome) {
    return Stopped(Read, outcome.Read, outcome.Count);
}

ECRString EraseStoppedSummary(const EraseOutcome& outcome, int articles) {
    return Stopped(Erased, outcome.Erased, articles);
}
