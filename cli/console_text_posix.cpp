#include "cli/console_text.h"

void WriteText(std::FILE* stream, const std::string& utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), stream);
}

std::string EraseLineText(std::size_t) {
    return "\r\033[K";
}
