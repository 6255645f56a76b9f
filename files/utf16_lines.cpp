#include "files/utf16_lines.h"

namespace {

constexpr char16_t LineFeed = u'\n';
constexpr char16_t CarriageReturn = u'\r';
constexpr int ByteBits = 8;

void AppendUnit(std::string& out, char16_t unit) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> ByteBits);
}

char16_t Unit(int first, int second, FileEncoding encoding) {
    const int high = encoding == FileEncoding::Utf16BE ? first : second;
    const int low = encoding == FileEncoding::Utf16BE ? second : first;
    return static_cast<char16_t>(low | (high << ByteBits));
}

} // namespace

Utf16LineReader::Utf16LineReader(std::FILE* file, std::size_t maxUnits, FileEncoding encoding)
    : File(file), Encoding(encoding), MaxUnits(maxUnits), Block(FileBlockBytes) {}

void Utf16LineReader::Decode(std::size_t bytes) {
    for (std::size_t i = 0; i < bytes; ++i) {
        const auto byte = static_cast<unsigned char>(Block[i]);
        if (Encoding == FileEncoding::Utf8) {
            Utf8.Feed(byte, Units);
        } else if (HeldByte < 0) {
            HeldByte = byte;
        } else {
            Units += Unit(HeldByte, byte, Encoding);
            HeldByte = -1;
        }
    }
}

bool Utf16LineReader::Fill() {
    if (Ended) {
        return false;
    }
    Units.erase(0, Pos);
    Pos = 0;
    const std::size_t got = std::fread(Block.data(), 1, Block.size(), File);
    Decode(got);
    if (got < Block.size()) {
        Ended = true;
        Error = std::ferror(File) != 0;
        Utf8.Finish(Units);
    }
    return got > 0 || Pos < Units.size();
}

void Utf16LineReader::TakeLineFeedAfterReturn(std::u16string& piece) {
    while (Pos == Units.size() && Fill()) {
    }
    if (Pos < Units.size() && Units[Pos] == LineFeed) {
        ++Pos;
        // A pair cut by the piece limit still ends the line; the LF then goes unshown.
        if (piece.size() < MaxUnits) {
            piece += LineFeed;
        }
    }
}

bool Utf16LineReader::Next(std::u16string& piece) {
    piece.clear();
    const bool newLine = LineEnded;
    LineEnded = false;
    while (piece.size() < MaxUnits && !LineEnded) {
        if (Pos == Units.size()) {
            if (!Fill()) {
                break;
            }
            continue;
        }
        const char16_t unit = Units[Pos++];
        piece += unit;
        if (unit == CarriageReturn) {
            TakeLineFeedAfterReturn(piece);
        }
        LineEnded = unit == LineFeed || unit == CarriageReturn;
    }
    LineNumber += newLine ? 1 : 0;
    return !piece.empty() && !Error;
}

void AppendUtf16Line(std::string& out, const std::u16string& units) {
    for (char16_t unit : units) {
        AppendUnit(out, unit);
    }
    AppendUnit(out, CarriageReturn);
    AppendUnit(out, LineFeed);
}
