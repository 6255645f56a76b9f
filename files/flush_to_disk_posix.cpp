#include <cstdio>
#include <unistd.h>

#include "files/flush_to_disk.h"

bool SyncToDisk(std::FILE* file) {
    return fdatasync(fileno(file)) == 0;
}
