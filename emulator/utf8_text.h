#pragma once

#include <string>

// UTF-8 (as typed on a command line) to UTF-16; a malformed byte becomes U+FFFD.
std::u16string Utf8ToUtf16(const std::string& text);
