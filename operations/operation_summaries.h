#pragma once

#include "text/ecr_string.h"

struct EraseOutcome;
struct ListOutcome;
struct SendOutcome;

// The one line that closes a register operation that ran to its end, after its other
// lines; the window and the command line print the same.

// "Posalji: upisano W od N artikala", with ", odbijeno R" when the register refused some.
ECRString SendSummary(const SendOutcome& outcome, int articles);
// "Obrisano E artikala".
ECRString EraseSummary(const EraseOutcome& outcome);
// "Procitano N artikala": the entries read that hold an article.
ECRString ListSummary(const ListOutcome& outcome);
