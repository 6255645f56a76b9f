#pragma once

// The name filters of the file dialogs, as a QFileDialog takes them (";;" between two).

// Open: every kind a load reads first (workbooks of Excel and Calc, text and CSV files);
// then each kind alone, the Unicode text files the program saves among them; then any
// file at all.
extern const char* const OpenFileFilters;
// Save: the Unicode text file first, as before; then the Excel workbook.
extern const char* const SaveFileFilter;
// The record of changes: the nivelacija workbook first, then the record's text.
extern const char* const NivelacijaFileFilter;
