#include "operations/operation_summaries.h"

#include "operations/erase_articles.h"
#include "operations/list_articles.h"
#include "operations/send_articles.h"

namespace {

const char* const SentPrefix = "Posalji: upisano ";
const char* const SentOf = " od ";
const char* const Articles = " artikala";
const char* const RefusedPrefix = ", odbijeno ";
const char* const ErasedPrefix = "Obrisano ";
const char* const ReadPrefix = "Procitano ";

} // namespace

ECRString SendSummary(const SendOutcome& outcome, int articles) {
    ECRString line = ECRString(SentPrefix) + ECRString(outcome.Written) + SentOf +
                     ECRString(articles) + Articles;
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
