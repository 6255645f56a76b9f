#include "sheets/ole_file.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The stream's name as a directory entry of the file spells it, in UTF-16LE.
const char16_t EncryptedPackage[] = u"EncryptedPackage";
constexpr std::size_t BlockBytes = 64 * 1024;
constexpr long MaxBytesSearched = 64L * 1024 * 1024;

std::string NameBytes() {
    std::string bytes;
    for (const char16_t* c = EncryptedPackage; *c != 0; ++c) {
        bytes += static_cast<char>(*c & 0xFF);
        bytes += static_cast<char>(*c >> 8);
    }
    return bytes;
}

} // namespace

bool HoldsEncryptedPackage(std::FILE* file) {
    const std::string name = NameBytes();
    std::rewind(file);
    std::vector<char> block(BlockBytes);
    std::string window; // the end of the last block, in case the name spans two
    long searched = 0;
    while (searched < MaxBytesSearched) {
        const std::size_t got = std::fread(block.data(), 1, block.size(), file);
        if (got == 0) {
            break;
        }
        searched += static_cast<long>(got);
        window.append(block.data(), got);
        if (window.find(name) != std::string::npos) {
            return true;
        }
        window.erase(0, window.size() - std::min(window.size(), name.size()));
    }
    return false;
}
