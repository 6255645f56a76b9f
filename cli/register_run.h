#pragma once

#include "articles/article_table.h"
#include "cli/exit_status.h"
#include "operations/run_tills.h"

struct CliOptions;
struct PortTarget;
class PortLog;
class PortProgress;
class TerminalOutput;

// The verb as one till's job (see RunTills), on its own copy of the articles; the verb's
// exit status comes back as the result's End.
TillJob VerbJob(const CliOptions& options, const PortTarget& target, ArticleTable articles,
                PortLog& log, PortProgress& progress, TerminalOutput& out);

// A till's exit status: a connection that failed is 3 (a refused password 1), a link
// that failed on the way 4, a stop 130.
ExitStatus StatusOfEnd(TillEnd end);
