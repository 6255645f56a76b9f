#pragma once

#include <string>

#include "sheets/sheet_fault.h"
#include "sheets/zip_archive.h"

// Where the parts of an .xlsx workbook are, from xl/workbook.xml and its relationships.
struct XlsxParts {
    std::string Sheet;         // the first worksheet (a chart sheet is no worksheet)
    std::string SharedStrings; // empty when the workbook has none
    std::string Styles;        // empty when the workbook has none
    bool Epoch1904 = false;    // dates count from 1904-01-01 (old Excel for Mac)
};

constexpr char XlsxWorkbookPart[] = "xl/workbook.xml";

// NoWorksheet when the workbook names no worksheet that the zip holds.
SheetFault FindXlsxParts(ZipArchive& zip, XlsxParts& parts);

// The zip entry a relationship's target names, from the folder of the part that names it.
std::string ResolvePartName(const std::string& folder, const std::string& target);
