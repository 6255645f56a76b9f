#pragma once

#include <string>

// Conversion between Unicode and the register's code page, Windows-1251, with the same
// bytes on every platform and independent of the user's locale.
// Unicode → 1251: the Serbian Latin letters 1251 lacks lose their diacritic (Č→C, š→s,
// Đ→D, ǅ→Dz); any other character it lacks becomes "?", and so do NUL, surrogates and
// characters beyond the 16-bit range. Nothing is dropped.
// 1251 → Unicode: every byte is one character; the one byte 1251 leaves undefined (0x98)
// keeps its value as the code point, and that code point goes back to the same byte.
std::string Utf16ToCp1251(const std::u16string& text);
std::u16string Cp1251ToUtf16(const std::string& bytes);
// UTF-8 (typed text, file names, the tills file) to 1251 as above.
std::string Utf8ToCp1251(const std::string& text);
