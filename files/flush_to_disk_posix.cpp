#include <cstdio>
#include <unistd.h>

#include "files/flush_to_disk.h"

bool FlushToDisk(std::FILE* file) {
    return std::fflush(file) == 0 && fdatasync(fileno(file)) == 0;
}
