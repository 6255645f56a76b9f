#pragma once

#include <string>

// UTF-8 (as typed on a command line) to UTF-16; a malformed byte becomes U+FFFD.
std::u16string Utf8ToUtf16(const std::string& text);
// True when every byte belongs to a well-formed UTF-8 sequence.
bool IsValidUtf8(const std::string& text);
// UTF-16 to UTF-8 (for terminals and pipes); a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(const std::u16string& text);
// The first unit of a surrogate pair, which a cut between units must not leave alone.
bool IsHighSurrogate(char16_t unit);
