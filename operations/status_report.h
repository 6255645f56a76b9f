#pragma once

#include <vector>

#include "text/ecr_string.h"

class LogSink;
class TalonECR;
class TalonStatusItem;

// One shown field of the status record.
struct StatusField {
    const char* Label; // "Model: ", ...
    const char* Key;   // its name in machine-readable output
    ECRString Value;
    bool Numeric;
};

// The sixteen shown fields in record order (the reserved one is not shown).
std::vector<StatusField> StatusFields(const TalonStatusItem& status);

// Asks the register for its status and logs the sixteen labelled lines.
void ReportStatus(TalonECR& ecr, LogSink& log);
