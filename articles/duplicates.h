#pragma once

#include <functional>

#include "articles/article_table.h"
#include "text/ecr_string.h"

// Examining the table for names and barcodes that occur more than once.
using ReportLine = std::function<void(const ECRString& line)>;
using ProgressStep = std::function<void()>;

constexpr int ExamineSteps = ArticleTableSize; // one progress step for every index

// `i, j - "NAME" - Dupliran naziv`
ECRString DuplicateNameLine(int i, int j, const ECRString& name);
// `i, j - [CODE] - Dupliran barkod`
ECRString DuplicateBarcodeLine(int i, int j, const ECRString& code);

// For every index i with a name and every later index j (present or empty): the name
// line when i and j have the same name, then the barcode line when they have the same
// barcode; lines in order of i, then j. `step` is called once for each i, after i's lines.
// Equal texts are grouped first, so only pairs that match are ever visited.
void ExamineDuplicates(const ArticleTable& table, const ReportLine& report,
                       const ProgressStep& step);
