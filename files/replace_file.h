#pragma once

#include <string>

// Writes `content` to a new file beside `path` and renames it over `path` once it is
// completely written and flushed to disk, so that a failure never leaves a half-written
// file at `path` nor touches an earlier one. False on any failure; the temporary file is
// then removed.
// `readers` says who may read the new file where the system keeps such rights per file
// (Windows: the user's own data folder is his alone anyway).
enum class FileReaders { Everyone, OwnerOnly };
bool ReplaceFileContent(const std::string& path, const std::string& content,
                        FileReaders readers = FileReaders::Everyone);
