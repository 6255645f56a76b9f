#pragma once

#include <string>

// UTF-8 text with its Latin and Cyrillic capitals made small, so that a search finds a
// name however it was typed. The register's names are Windows-1251: these are its letters.
std::string FoldCase(const std::string& utf8);
