#pragma once

#include <string>

// Writes `content` to a new file beside `path` and renames it over `path` once it is
// completely written and flushed to disk, so that a failure never leaves a half-written
// file at `path` nor touches an earlier one. False on any failure; the temporary file is
// then removed.
bool ReplaceFileContent(const std::string& path, const std::string& content);
