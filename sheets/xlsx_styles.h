#pragma once

#include <string>
#include <vector>

#include "sheets/sheet_dates.h"
#include "sheets/sheet_fault.h"
#include "sheets/zip_archive.h"

// What the number format of each cell style (a cell's s="N") makes of a number, from the
// cellXfs of xl/styles.xml; a style not listed shows a plain number.
SheetFault ReadXlsxFormats(ZipArchive& zip, const std::string& part,
                           std::vector<NumberFormatKind>& byStyle);

// The strings of xl/sharedStrings.xml in order, each the text of its runs joined
// (phonetic guides left out), as UTF-8.
SheetFault ReadXlsxStrings(ZipArchive& zip, const std::string& part,
                           std::vector<std::string>& strings);
