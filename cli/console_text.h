#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

// Text for standard output and standard error. A Windows console takes it through its
// Unicode interface, which shows every character whatever the console's code page; a
// file, a pipe or a POSIX terminal gets the UTF-8 bytes as they are.
void WriteText(std::FILE* stream, const std::string& utf8);

// What takes back a line of `width` characters just written to a terminal, leaving the
// cursor at its start.
std::string EraseLineText(std::size_t width);
