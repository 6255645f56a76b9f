#pragma once

#include "articles/article_table.h"
#include "cli/exit_status.h"
#include "text/ecr_string.h"

struct CliOptions;
struct PortTarget;
class PortLog;
class TerminalOutput;

// Connects to one register, runs the verb and reports its exit status: a connection that
// fails is 3 (a refused password 1), a link that fails on the way 4, Ctrl+C 130.
ExitStatus RunOnRegister(const CliOptions& options, const PortTarget& target,
                         const ECRString& password, ArticleTable articles, PortLog& log,
                         TerminalOutput& out);
