#include "text/code_page.h"

#include "text/serbian_latin.h"
#include "text/system_code_page.h"
#include "text/utf8_text.h"

// What the platforms would treat differently is settled here, before their conversion:
// transliteration, NUL, surrogates.

namespace {

constexpr char16_t Replacement = u'?';

bool IsHighSurrogate(char16_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLowSurrogate(char16_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

// The text with Serbian Latin letters plain and every unit the platforms may not be given
// replaced: a whole surrogate pair (a character 1251 cannot hold) by one "?", a lone
// surrogate (a pair cut at a line-piece boundary) and NUL (it would end a register text
// early) by "?" each.
std::u16string PlainUnits(const std::u16string& text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t u = text[i];
        if (IsHighSurrogate(u) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            ++i;
            out += Replacement;
        } else if (u == 0 || IsHighSurrogate(u) || IsLowSurrogate(u)) {
            out += Replacement;
        } else if (const char* plain = SerbianLatinPlain(u)) {
            for (; *plain != 0; ++plain) {
                out += static_cast<char16_t>(*plain);
            }
        } else {
            out += u;
        }
    }
    return out;
}

} // namespace

std::string Utf16ToCp1251(const std::u16string& text) {
    return SystemUtf16ToCp1251(PlainUnits(text));
}

std::u16string Cp1251ToUtf16(const std::string& bytes) {
    return SystemCp1251ToUtf16(bytes);
}

std::string Utf8ToCp1251(const std::string& text) {
    return Utf16ToCp1251(Utf8ToUtf16(text));
}
