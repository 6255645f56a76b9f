#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

// A file's path is kept as a std::string: UTF-8 on Windows, whose file calls take it as
// UTF-16 so that any name works whatever the system's code page; elsewhere the bytes the
// system gives, unchanged. These hand such a path to the C library and std::filesystem.

// std::fopen of the path; nullptr when it cannot be opened.
std::FILE* OpenFile(const std::string& path, const char* mode);
// The path as std::filesystem takes it.
std::filesystem::path FileSystemPath(const std::string& path);
