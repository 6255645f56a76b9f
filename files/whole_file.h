#pragma once

#include <string>

enum class WholeFileRead {
    Read,      // `content` holds every byte of the file
    NotOpened, // the file does not exist or cannot be opened
    Failed,    // a read failed part-way: `content` is not the file and must not be used
};

// Reads the whole file at `path` (a path as text/file_path.h keeps it) into `content`,
// which is emptied first.
WholeFileRead ReadWholeFile(const std::string& path, std::string& content);
