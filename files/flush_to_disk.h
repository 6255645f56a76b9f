#pragma once

#include <cstdio>

// Forces what was written to the file onto the disk.
bool FlushToDisk(std::FILE* file);
