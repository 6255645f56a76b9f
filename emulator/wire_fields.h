#pragma once

#include <string>

// Field cutting and number reading on the register's side of the line.

// Takes the leading field up to the first separator off rest; without a separator the
// whole rest is the field.
std::string CutAt(std::string& rest, char separator);
// The leading decimal number as the C library's atoll reads it; 0 without digits.
long long LeadingNumber(const std::string& text);
// LeadingNumber limited to the int range.
int LeadingInt(const std::string& text);
