#pragma once

#include <string_view>

// The decimal digits '0' to '9' only, whatever the locale.
bool IsDigit(char c);
// True when the text holds at least one character and every one is a digit.
bool AllDigits(std::string_view text);
