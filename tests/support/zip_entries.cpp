#include "tests/support/zip_entries.h"

#include <minizip/unzip.h>

namespace {

constexpr unsigned Chunk = 1 << 14;

bool ReadCurrent(unzFile zip, std::string& content) {
    if (unzOpenCurrentFile(zip) != UNZ_OK) {
        return false;
    }
    char buffer[Chunk];
    int got = 0;
    while ((got = unzReadCurrentFile(zip, buffer, Chunk)) > 0) {
        content.append(buffer, static_cast<std::size_t>(got));
    }
    // unzCloseCurrentFile checks the entry's CRC once it is read to the end.
    return unzCloseCurrentFile(zip) == UNZ_OK && got == 0;
}

} // namespace

bool ReadZipEntry(const std::string& zipPath, const char* entry, std::string& content) {
    content.clear();
    const unzFile zip = unzOpen64(zipPath.c_str());
    if (zip == nullptr) {
        return false;
    }
    constexpr int CaseSensitive = 1;
    const bool ok = unzLocateFile(zip, entry, CaseSensitive) == UNZ_OK && ReadCurrent(zip, content);
    unzClose(zip);
    return ok;
}
