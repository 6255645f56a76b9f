#pragma once

#include <map>

#include "emulator/article_text.h"

// A small database for trying the program: Cyrillic and Latin names, distinct names and
// barcodes, at locations 1 to 8.
std::map<int, StoredArticle> DemoArticles();
