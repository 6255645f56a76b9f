#pragma once

#include <array>

#include "text/ecr_string.h"

// Cutting one line of the article file (Windows-1251, line end removed) into its fields.
constexpr int FieldsPerLine = 12;
constexpr char TabSeparator = '\t';

// TAB, unless the heading line holds none: then ";" when it holds one, else "," when it
// holds one (a spreadsheet's CSV export), else TAB.
char SeparatorFor(const ECRString& heading);

struct LineFields {
    ECRString Name; // field 1 as a name: see NameFromField
    // Fields 1 to 12 as they stand in the line (Texts[k - 1] is field k); missing ones
    // are empty. Field 1 is given as Name.
    std::array<ECRString, FieldsPerLine> Texts;
    // Fields whose spreadsheet cell can give no number (a date, time, truth value or
    // error; in the barcode a fraction): a numeric field so marked is refused. A text
    // line marks none.
    std::array<bool, FieldsPerLine> NotNumber{};
};

// With TAB the name is cut quote-aware and every other field runs to the next TAB, as
// the program always read its files. With ";" or "," every field is cut quote-aware the
// way spreadsheets write them: a field that starts with a double quote runs to its
// closing quote (a doubled quote inside does not close it), so it may hold separators.
LineFields SplitFields(const ECRString& line, char separator);
