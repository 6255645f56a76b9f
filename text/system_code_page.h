#pragma once

#include <string>

// The platform's own conversion between UTF-16 and Windows-1251, one file per platform.
// Unicode → 1251 is given only 16-bit characters that are neither NUL nor surrogates, and
// makes each exactly one byte: its 1251 form, the byte 0x98 for U+0098, "?" for any
// other character without one (no best-fit guesses). 1251 → Unicode makes each byte one
// character, 0x98 becoming U+0098.
std::string SystemUtf16ToCp1251(const std::u16string& units);
std::u16string SystemCp1251ToUtf16(const std::string& bytes);
