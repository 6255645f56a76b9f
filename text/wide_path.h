#pragma once

#include <string>

// For Windows files only: a path as the program keeps it (UTF-8) in the UTF-16 that the
// wide Win32 and C runtime calls take, and wide text the system gives (a path, an
// argument, a variable) in UTF-8. A malformed byte or a lone surrogate becomes U+FFFD.
std::wstring WidePath(const std::string& path);
std::string FromWide(const std::wstring& text);
