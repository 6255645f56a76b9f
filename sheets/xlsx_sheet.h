#pragma once

#include "sheets/sheet_cells.h"
#include "sheets/sheet_fault.h"
#include "sheets/zip_archive.h"

// Reads the first worksheet of an .xlsx workbook (the zip holds xl/workbook.xml) and
// hands its rows to `sink`.
SheetFault ReadXlsxRows(ZipArchive& zip, const RowSink& sink);

// The column of a cell reference ("C7" is column 2, counting from 0) and its row; false
// when the reference is not letters followed by digits.
bool ReadCellReference(const char* reference, std::int64_t& column, std::int64_t& row);
