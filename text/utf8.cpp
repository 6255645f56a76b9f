#include "text/utf8.h"

namespace {

constexpr char32_t Replacement = 0xFFFD;
constexpr char32_t LastOneByte = 0x7F;
constexpr char32_t LastTwoBytes = 0x7FF;
constexpr char32_t LastBmp = 0xFFFF;
constexpr char32_t LastCodePoint = 0x10FFFF;
constexpr char32_t SurrogateFirst = 0xD800;
constexpr char32_t SurrogateLast = 0xDFFF;
constexpr char32_t HighFirst = 0xD800;
constexpr char32_t HighLast = 0xDBFF;
constexpr char32_t LowFirst = 0xDC00;
constexpr char32_t LowLast = 0xDFFF;
constexpr char32_t PlaneOffset = 0x10000;
constexpr unsigned SurrogateBits = 10;
constexpr char32_t SurrogateMask = 0x3FF;
constexpr unsigned ContinuationBits = 6;
constexpr unsigned char ContinuationMask = 0xC0;
constexpr unsigned char ContinuationTag = 0x80;
constexpr unsigned char PayloadMask = 0x3F;

// The lead bytes that may start a sequence (0xC0, 0xC1 and 0xF5 up never can).
struct Lead {
    unsigned char First;
    unsigned char Last;
    unsigned char Payload;
    int Followers;
    char32_t Smallest;
};
constexpr Lead Leads[] = {
    {0xC2, 0xDF, 0x1F, 1, 0x80}, {0xE0, 0xEF, 0x0F, 2, 0x800}, {0xF0, 0xF4, 0x07, 3, 0x10000}};

bool IsSurrogate(char32_t c) {
    return c >= SurrogateFirst && c <= SurrogateLast;
}

void AppendUtf16(char32_t c, std::u16string& out) {
    if (c <= LastBmp) {
        out += static_cast<char16_t>(c);
        return;
    }
    const char32_t v = c - PlaneOffset;
    out += static_cast<char16_t>(HighFirst + (v >> SurrogateBits));
    out += static_cast<char16_t>(LowFirst + (v & SurrogateMask));
}

void AppendUtf8(char32_t c, std::string& out) {
    const auto byte = [&out](char32_t b) { out += static_cast<char>(b); };
    if (c <= LastOneByte) {
        byte(c);
    } else if (c <= LastTwoBytes) {
        byte(0xC0 | (c >> 6));
        byte(ContinuationTag | (c & PayloadMask));
    } else if (c <= LastBmp) {
        byte(0xE0 | (c >> 12));
        byte(ContinuationTag | ((c >> 6) & PayloadMask));
        byte(ContinuationTag | (c & PayloadMask));
    } else {
        byte(0xF0 | (c >> 18));
        byte(ContinuationTag | ((c >> 12) & PayloadMask));
        byte(ContinuationTag | ((c >> 6) & PayloadMask));
        byte(ContinuationTag | (c & PayloadMask));
    }
}

} // namespace

void Utf8Decoder::Feed(unsigned char byte, std::u16string& out) {
    if (Needed > 0) {
        if ((byte & ContinuationMask) == ContinuationTag) {
            Code = (Code << ContinuationBits) | (byte & PayloadMask);
            if (--Needed == 0) {
                Complete(out);
            }
            return;
        }
        Malformed(out); // the sequence broke off; the byte starts afresh
    }
    if (byte <= LastOneByte) {
        out += static_cast<char16_t>(byte);
        return;
    }
    for (const Lead& lead : Leads) {
        if (byte >= lead.First && byte <= lead.Last) {
            Code = byte & lead.Payload;
            Needed = lead.Followers;
            Smallest = lead.Smallest;
            return;
        }
    }
    Malformed(out);
}

void Utf8Decoder::Finish(std::u16string& out) {
    if (Needed > 0) {
        Malformed(out);
    }
}

void Utf8Decoder::Complete(std::u16string& out) {
    if (Code < Smallest || Code > LastCodePoint || IsSurrogate(Code)) {
        Malformed(out);
        return;
    }
    AppendUtf16(Code, out);
}

void Utf8Decoder::Malformed(std::u16string& out) {
    out += static_cast<char16_t>(Replacement);
    Needed = 0;
    Clean = false;
}

std::string Utf16ToUtf8(const std::u16string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t u = text[i];
        const bool pair = u >= HighFirst && u <= HighLast && i + 1 < text.size() &&
                          text[i + 1] >= LowFirst && text[i + 1] <= LowLast;
        if (pair) {
            const char32_t low = text[++i];
            AppendUtf8(PlaneOffset + ((u - HighFirst) << SurrogateBits) + (low - LowFirst), out);
        } else {
            AppendUtf8(IsSurrogate(u) ? Replacement : u, out);
        }
    }
    return out;
}

std::u16string Utf8ToUtf16(const std::string& text) {
    Utf8Decoder decoder;
    std::u16string out;
    for (const char c : text) {
        decoder.Feed(static_cast<unsigned char>(c), out);
    }
    decoder.Finish(out);
    return out;
}
