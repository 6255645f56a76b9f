#pragma once

#include <cstdint>
#include <string>

#include "text/ecr_string.h"

// Reading the values of article file fields strictly, so that a number a spreadsheet
// wrote in a form the program does not know is never taken as some other number.

// The field without blanks around it and without one pair of surrounding double quotes
// (a doubled quote inside them stands for one).
std::string FieldValue(const ECRString& field);
// A barcode keeps its blanks, as it always did; only a quoted one loses its quotes.
ECRString BarcodeValue(const ECRString& field);

// A plain decimal number: an optional "-", digits with at most one decimal separator
// ("." or ","), at least one digit, within the range of a double. Nothing else: no
// grouping, exponent, letters, currency, "inf" or "nan".
bool ReadPlainNumber(const std::string& text, double& value);
// A plain number whose whole part (cut toward zero) fits a signed 32-bit value.
bool ReadWholeNumber(const std::string& text, std::int32_t& value);
// A number in a spreadsheet's exponent form, such as 8.60004E+12 or 8,6E+12.
bool IsExponentForm(const std::string& text);
