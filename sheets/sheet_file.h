#pragma once

#include <cstdio>
#include <string>

#include "sheets/sheet_cells.h"
#include "sheets/sheet_fault.h"

// What a file is, by its first bytes rather than its name.
enum class FileStart {
    Text, // anything else: an article text file
    Zip,  // a zip container: an .xlsx or .ods workbook, or no spreadsheet at all
    Ole,  // an old Office compound file: a .xls, or an encrypted .xlsx
};

// Reads the first bytes and goes back to the start.
FileStart StartOf(std::FILE* file);

// Reads the first worksheet of a spreadsheet file that StartOf found to be no text file:
// an .xlsx (a zip holding xl/workbook.xml) or an .ods (a zip whose mimetype says so,
// holding content.xml). Each row that holds something goes to `sink`.
SheetFault ReadSheetFile(const std::string& path, FileStart start, const RowSink& sink);
