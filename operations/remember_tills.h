#pragma once

#include <string>
#include <vector>

#include "operations/till_result.h"

class LogSink;

// After a run on saved tills (`names[i]` the till of `results[i]`): notes in the tills
// file the fiscal module each register answered with, so that its record of changes is
// found by its name. The file is read afresh (its damaged lines, which the caller's own
// reading has told, are not told again) and saved only when something changed; a failure
// to save is logged.
void RememberFiscalModules(const std::vector<std::string>& names,
                           const std::vector<TillResult>& results, LogSink& log,
                           const std::string& tillsFile);
