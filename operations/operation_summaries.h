#pragma once

#include "text/ecr_string.h"

struct EraseOutcome;
struct ListOutcome;
struct SendOutcome;
struct SyncOutcome;

// The one line that closes a register operation that ran to its end, after its other
// lines; the window and the command line print the same.

// "Posalji: upisano W od N artikala", with ", odbijeno R" when the register refused some.
ECRString SendSummary(const SendOutcome& outcome, int articles);
// "Obrisano E artikala".
ECRString EraseSummary(const EraseOutcome& outcome);
// "Procitano N artikala": the entries read that hold an article.
ECRString ListSummary(const ListOutcome& outcome);

// The line that closes an operation asked to stop before its end, instead of the one above.

// "Prekinuto: upisano W od N artikala", N the articles that were to be sent.
ECRString SendStoppedSummary(const SendOutcome& outcome, int articles);
// "Prekinuto: upisano W od N artikala", N the changed articles that were to be written.
ECRString SyncStoppedSummary(const SyncOutcome& outcome);
// "Prekinuto: procitano R od N artikala", R the entries read, N the status's count.
ECRString ListStoppedSummary(const ListOutcome& outcome);
// "Prekinuto: obrisano E od N artikala", N the articles that were to be erased.
ECRString EraseStoppedSummary(const EraseOutcome& outcome, int articles);
