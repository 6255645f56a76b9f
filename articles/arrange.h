#pragma once

#include "articles/article_table.h"
#include "text/ecr_string.h"

// Arranging by barcode: an article whose barcode is a whole number v with 1 < v < limit
// moves to location v.
constexpr int SmallLocationLimit = 1400; // registers of the version below
constexpr int LocationLimit = 2400;      // every other register

// 1400 exactly for the version text "КОРВАЛ ТАЛОН СР" (Windows-1251), else 2400.
int LocationLimitFor(const ECRString& version);
// Exchanges two entries as wholes, every field included.
void ExchangeArticles(ArticleTable& table, int a, int b);
// A barcode whose value is not a whole number is never placed (it would be exchanged for
// ever); a limit above the table's size counts as the table's size.
void ArrangeByBarcode(ArticleTable& table, int limit);
