#include <cstdio>
#include <unistd.h>

#include "operations/image_journal.h"

bool FlushToDisk(std::FILE* file) {
    return std::fflush(file) == 0 && fdatasync(fileno(file)) == 0;
}
