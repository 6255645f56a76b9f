#include "text/utf8_text.h"

namespace {
constexpr char32_t Replacement = 0xFFFD;
constexpr char32_t LastBmp = 0xFFFF;
constexpr char32_t LastCodePoint = 0x10FFFF;
constexpr char32_t SurrogateFirst = 0xD800;
constexpr char32_t SurrogateLast = 0xDFFF;
constexpr char32_t PlaneOffset = 0x10000;
constexpr char16_t HighSurrogate = 0xD800;
constexpr char16_t LowSurrogate = 0xDC00;
constexpr unsigned SurrogateBits = 10;
constexpr char32_t SurrogateMask = 0x3FF;
constexpr unsigned char ContinuationMask = 0xC0;
constexpr unsigned char ContinuationTag = 0x80;
constexpr unsigned ContinuationBits = 6;

struct Lead {
    unsigned char Mask;
    unsigned char Tag;
    int Followers;
    char32_t Smallest; // shorter forms are overlong
};
constexpr Lead Leads[] = {
    {0x80, 0x00, 0, 0}, {0xE0, 0xC0, 1, 0x80}, {0xF0, 0xE0, 2, 0x800}, {0xF8, 0xF0, 3, 0x10000}};

// Decodes the code point at i and moves i past it.
char32_t Decode(const std::string& text, std::size_t& i) {
    const auto first = static_cast<unsigned char>(text[i++]);
    for (const Lead& lead : Leads) {
        if ((first & lead.Mask) != lead.Tag) {
            continue;
        }
        char32_t value = first & static_cast<unsigned char>(~lead.Mask);
        for (int k = 0; k < lead.Followers; ++k) {
            if (i >= text.size() ||
                (static_cast<unsigned char>(text[i]) & ContinuationMask) != ContinuationTag) {
                return Replacement;
            }
            value = (value << ContinuationBits) |
                    (static_cast<unsigned char>(text[i++]) & ~ContinuationMask);
        }
        const bool surrogate = value >= SurrogateFirst && value <= SurrogateLast;
        return value < lead.Smallest || value > LastCodePoint || surrogate ? Replacement : value;
    }
    return Replacement;
}

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

bool IsHigh(char16_t c) {
    return c >= HighSurrogate && c < LowSurrogate;
}

bool IsLow(char16_t c) {
    return c >= LowSurrogate && c <= SurrogateLast;
}
} // namespace

std::u16string Utf8ToUtf16(const std::string& text) {
    std::u16string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const char32_t c = Decode(text, i);
        if (c <= LastBmp) {
            out += static_cast<char16_t>(c);
            continue;
        }
        const char32_t v = c - PlaneOffset;
        out += static_cast<char16_t>(HighSurrogate + (v >> SurrogateBits));
        out += static_cast<char16_t>(LowSurrogate + (v & SurrogateMask));
    }
    return out;
}

std::string Utf16ToUtf8(const std::u16string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (IsHigh(c) && i + 1 < text.size() && IsLow(text[i + 1])) {
            const char32_t v = ((c - HighSurrogate) << SurrogateBits) | (text[++i] - LowSurrogate);
            AppendUtf8(out, v + PlaneOffset);
        } else if (IsHigh(c) || IsLow(c)) {
            AppendUtf8(out, Replacement);
        } else {
            AppendUtf8(out, c);
        }
    }
    return out;
}
