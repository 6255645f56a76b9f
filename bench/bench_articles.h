#pragma once

#include <string>

#include "articles/article_table.h"

// Test data for the benchmarks.
// An article file of `count` articles with distinct names and barcodes; every
// `duplicateEvery`-th article (0: none) repeats the name and barcode of the one before.
void WriteArticleFile(const std::string& path, int count, int duplicateEvery = 0);
// The same file as WriteArticleFile(path, count) with `changed` articles, spread over it,
// at a new price.
void WriteChangedArticleFile(const std::string& path, int count, int changed);
// A register table of `count` listed articles at locations 2.. with ThisID set.
void FillRegisterTable(ArticleTable& table, int count);
// A loaded table whose barcodes are small numbers in shuffled order and some 13-digit ones.
void FillShuffledBarcodes(ArticleTable& table, int count);
