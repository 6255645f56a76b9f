#include "text/utf8_text.h"

#include "text/utf8_decoder.h"

namespace {
constexpr char32_t Replacement = 0xFFFD;
constexpr char32_t LastBmp = 0xFFFF;
constexpr char32_t PlaneOffset = 0x10000;
constexpr char16_t HighSurrogate = 0xD800;
constexpr char16_t LowSurrogate = 0xDC00;
constexpr char16_t SurrogateLast = 0xDFFF;
constexpr unsigned SurrogateBits = 10;

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c <= LastBmp) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool IsLow(char16_t c) {
    return c >= LowSurrogate && c <= SurrogateLast;
}
std::u16string Decoded(const std::string& text, bool& valid) {
    Utf8Decoder decoder;
    std::u16string out;
    for (const char c : text) {
        decoder.Feed(static_cast<unsigned char>(c), out);
    }
    decoder.Finish(out);
    valid = decoder.Valid();
    return out;
}

} // namespace

bool IsHighSurrogate(char16_t unit) {
    return unit >= HighSurrogate && unit < LowSurrogate;
}

std::u16string Utf8ToUtf16(const std::string& text) {
    bool valid = true;
    return Decoded(text, valid);
}

bool IsValidUtf8(const std::string& text) {
    bool valid = true;
    Decoded(text, valid);
    return valid;
}

std::string Utf16ToUtf8(const std::u16string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (IsHighSurrogate(c) && i + 1 < text.size() && IsLow(text[i + 1])) {
            const char32_t v = ((c - HighSurrogate) << SurrogateBits) | (text[++i] - LowSurrogate);
            AppendUtf8(out, v + PlaneOffset);
        } else if (IsHighSurrogate(c) || IsLow(c)) {
            AppendUtf8(out, Replacement);
        } else {
            AppendUtf8(out, c);
        }
    }
    return out;
}
