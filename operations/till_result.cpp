#include "operations/till_result.h"

#include "operations/sync_articles.h"

namespace {

const char* const WrittenWord = "Upisano ";
const char* const SameWord = ", isto ";
const char* const ErasedWord = ", obrisano ";
const char* const RefusedWord = ", odbijeno ";
const char* const Of = " od ";

} // namespace

TillResult SyncResult(const SyncOutcome& outcome, const std::string& doubt) {
    TillResult result;
    if (!outcome.Trusted) {
        result.End = outcome.Blocked ? TillEnd::Blocked : TillEnd::Refused;
        result.Text = outcome.Blocked
                          ? ECRString("Slika kase je zauzeta ili se ne moze snimiti")
                          : ECRString("Slika kase nije pouzdana (") + doubt.c_str() + ")";
        return result;
    }
    result.Text = ECRString(WrittenWord) + ECRString(outcome.Written) + SameWord +
                  ECRString(outcome.Unchanged);
    if (outcome.Erased > 0) {
        result.Text += ECRString(ErasedWord) + ECRString(outcome.Erased);
    }
    if (outcome.Refused > 0) {
        result.Text += ECRString(RefusedWord) + ECRString(outcome.Refused);
        if (outcome.FirstRefusal.GetLength() > 0) {
            result.Text += ECRString(": ") + outcome.FirstRefusal;
        }
    }
    if (outcome.Differing > 0) {
        result.Text += ECRString(", razlikuje se posle upisa ") + ECRString(outcome.Differing);
    }
    if (outcome.Stopped || outcome.Blocked) {
        result.Text = ECRString(outcome.Stopped ? "Prekinuto: " : "Zaustavljeno: ") + result.Text;
    }
    result.End = outcome.Blocked                                ? TillEnd::Blocked
                 : outcome.Stopped                              ? TillEnd::Stopped
                 : outcome.Refused > 0 || outcome.Differing > 0 ? TillEnd::Refused
                                                                : TillEnd::Done;
    return result;
}

ECRString TillProgressText(int done, int total) {
    return ECRString(WrittenWord) + ECRString(done) + Of + ECRString(total);
}
