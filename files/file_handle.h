#pragma once

#include <cstdio>
#include <memory>

// A C library file that is closed when it goes out of scope. Where a close can lose what
// was written, close it yourself: std::fclose(handle.release()).
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;
