#pragma once

#include <cstdint>
#include <string>

// Lenient number reading as the C library's atol/atof do it (longest leading number,
// 0 for anything else), but independent of the process locale: "." is always the
// decimal point, and only decimal forms: no "inf", "nan" or hexadecimal. Also the fixed "%.Nf"
// formatting with "." whatever the locale.
std::int32_t ReadLong(const char* text);
double ReadDouble(const char* text);
std::string FormatFixed(double value, int decimals);
