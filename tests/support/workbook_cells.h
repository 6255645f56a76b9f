#pragma once

#include <map>
#include <string>

// The cells of one worksheet of an .xlsx workbook, read back from its XML as a reader
// sees them: by address ("B7"), the value (a text cell's text, a number as written, a
// formula's stored result) and the formula, without its "=".
struct WrittenCell {
    std::string Value;
    std::string Formula;
};

// Sheet 1 is the first; empty when the workbook or the sheet cannot be read.
std::map<std::string, WrittenCell> WorkbookSheetCells(const std::string& path, int sheet);
