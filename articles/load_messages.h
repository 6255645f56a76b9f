#pragma once

#include <vector>

#include "articles/load_outcome.h"
#include "text/ecr_string.h"

// The log lines that tell the operator how a load went, as Windows-1251 text, in the order
// they are to be shown: the heading taken for an article, each refused line (at most
// MaxRowNotes, then how many more), the lines left over once the table was full, and a
// file that gave no article. A file that could not be read gives its one line alone.
// `shownPath` names the file as the log shows it.
std::vector<ECRString> LoadMessages(const LoadOutcome& outcome, const ECRString& shownPath);
