#pragma once

#include <QString>

#include <cstdint>

// Strict reading of numbers typed by the operator: the whole text must be the number,
// with no blanks, letters or other characters around it.

// An optional sign and decimal digits within the 32-bit range.
bool ParseStrictInteger(const QString& text, std::int32_t& value);
// An optional sign, digits and at most one decimal separator with at least one digit
// somewhere; the separator is "." or the given one of the user's regional settings.
bool ParseStrictDecimal(const QString& text, const QString& userDecimalPoint, double& value);
