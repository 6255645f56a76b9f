#pragma once

#include "articles/file_fields.h"
#include "plu/talon_plu_item.h"
#include "text/ecr_string.h"

// Reading one line of the article file into an article, refusing the fields whose text
// would put a wrong value into the register.

// Why a line was not read.
enum class LineFault {
    None,
    Price,           // field 3 is not a plain number
    Field,           // another numeric field is not a plain number
    ExponentBarcode, // the barcode is a number in exponent form: its digits are lost
};

struct LineReading {
    LineFault Fault = LineFault::None;
    int Field = 0;  // the field at fault, 1 to 12
    ECRString Text; // that field as it stands in the line
};

// Reads fields 1 to 12 of the line (Windows-1251, line end removed) into a fresh `item`.
// Empty numeric fields read as 0; the first field at fault, in field order, is returned
// and the item is then not to be used.
LineReading ReadArticleLine(const ECRString& line, char separator, TalonPLUItem& item);
// The same for fields already cut: a text line's, or a spreadsheet row's.
LineReading ReadArticleFields(const LineFields& fields, TalonPLUItem& item);

// A read line is taken when it has a name, a barcode and a price above 0.
bool IsArticle(const TalonPLUItem& item);
