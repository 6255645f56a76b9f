#pragma once

#include <functional>

#include "articles/article_table.h"
#include "text/ecr_string.h"

// Examining the table for names and barcodes that occur more than once, or that the
// register will take for the same: it keeps the first 16 characters of a name and the
// first 13 of a barcode, and compares barcodes as numbers.
using ReportLine = std::function<void(const ECRString& line)>;
using ProgressStep = std::function<void()>;

constexpr int ExamineSteps = ArticleTableSize; // one progress step for every index

// `i, j - "NAME" - Dupliran naziv`
ECRString DuplicateNameLine(int i, int j, const ECRString& name);
// `i, j - [CODE] - Dupliran barkod`
ECRString DuplicateBarcodeLine(int i, int j, const ECRString& code);
// `i, j - "CUT" - Isti naziv u kasi (prvih 16 znakova)`
ECRString CutNameLine(int i, int j, const ECRString& cut);
// `i, j - [CUT] - Isti barkod u kasi (prvih 13 znakova)`
ECRString CutBarcodeLine(int i, int j, const ECRString& cut);
// `i, j - [X] / [Y] - Isti barkod kao broj`
ECRString NumberBarcodeLine(int i, int j, const ECRString& x, const ECRString& y);

// For every index i with a name and every later index j (present or empty), in order of
// i, then j: at most one name line (the same name, else the same first 16 characters),
// then at most one barcode line (the same barcode, else the same first 13 characters,
// else the same number: both cut barcodes all digits and equal without leading zeros).
// `step` is called once for each i, after i's lines. Equal texts are grouped first, so
// only pairs that match are ever visited.
void ExamineDuplicates(const ArticleTable& table, const ReportLine& report,
                       const ProgressStep& step);
