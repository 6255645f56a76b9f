#pragma once

// The name filters of the file dialogs, as a QFileDialog takes them (";;" between two).

// Open: text and CSV files first, since a load reads both; then the Unicode text files
// the program saves; then any file at all.
extern const char* const OpenFileFilters;
// Save: the Unicode text file first, as before; then the Excel workbook.
extern const char* const SaveFileFilter;
