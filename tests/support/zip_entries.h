#pragma once

#include <string>

// One entry of a zip file read whole with minizip; false when the file is no zip or
// lacks the entry. The path is given to the C library as it stands (ASCII in the tests).
bool ReadZipEntry(const std::string& zipPath, const char* entry, std::string& content);
