#include "text/utf8_decoder.h"

namespace {

constexpr char32_t Replacement = 0xFFFD;
constexpr char32_t LastOneByte = 0x7F;
constexpr char32_t LastBmp = 0xFFFF;
constexpr char32_t LastCodePoint = 0x10FFFF;
constexpr char32_t SurrogateFirst = 0xD800;
constexpr char32_t SurrogateLast = 0xDFFF;
constexpr char32_t HighFirst = 0xD800;
constexpr char32_t LowFirst = 0xDC00;
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
