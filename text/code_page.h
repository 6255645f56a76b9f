#pragma once

#include <string>

// Conversion between Unicode and the register's code page, Windows-1251.
// Letters Windows-1251 lacks lose their diacritic (Č→C, š→s, Đ→D); any other character
// it lacks becomes "?". Nothing is dropped. Independent of the user's locale.
std::string Utf16ToCp1251(const std::u16string& text);
std::u16string Cp1251ToUtf16(const std::string& bytes);
