#include "articles/utf16_lines.h"

#include <cstring>

namespace {

constexpr std::size_t BlockBytes = 64 * 1024;
constexpr std::size_t UnitBytes = 2;
constexpr char16_t LineFeed = u'\n';
constexpr char16_t CarriageReturn = u'\r';

void AppendUnit(std::string& out, char16_t unit) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
}

} // namespace

Utf16LineReader::Utf16LineReader(std::FILE* file, std::size_t maxUnits)
    : File(file), MaxUnits(maxUnits), Buffer(BlockBytes) {}

bool Utf16LineReader::Fill() {
    if (Ended) {
        return false;
    }
    const std::size_t kept = Size - Pos;
    std::memmove(Buffer.data(), Buffer.data() + Pos, kept);
    Pos = 0;
    Size = kept;
    const std::size_t got = std::fread(Buffer.data() + Size, 1, Buffer.size() - Size, File);
    Size += got;
    if (got < Buffer.size() - kept) {
        Ended = true;
        Error = std::ferror(File) != 0;
    }
    return got > 0;
}

bool Utf16LineReader::Next(std::u16string& piece) {
    piece.clear();
    while (piece.size() < MaxUnits) {
        if (Size - Pos < UnitBytes) {
            if (!Fill()) {
                break;
            }
            continue;
        }
        const auto lo = static_cast<unsigned char>(Buffer[Pos]);
        const auto hi = static_cast<unsigned char>(Buffer[Pos + 1]);
        Pos += UnitBytes;
        const auto unit = static_cast<char16_t>(lo | (hi << 8));
        piece += unit;
        if (unit == LineFeed) {
            break;
        }
    }
    return !piece.empty() && !Error;
}

void AppendUtf16Line(std::string& out, const std::u16string& units) {
    for (char16_t unit : units) {
        AppendUnit(out, unit);
    }
    AppendUnit(out, CarriageReturn);
    AppendUnit(out, LineFeed);
}
