#pragma once

#include "articles/file_fields.h"
#include "sheets/sheet_cells.h"

// A spreadsheet row as the twelve fields of an article line, in Windows-1251, for the
// strict reading that text lines go through. A text cell gives its text (a name keeps
// its double quotes); a number gives its value in plain decimals, in the barcode column
// its whole digits (a fraction there is marked NotNumber); a date, time, truth value or
// error gives the text it shows and is marked NotNumber but in the name and barcode. A
// line break or other control character in a text becomes a blank, as no line of the
// text file can hold one.
LineFields SheetLineFields(const SheetRow& row);
