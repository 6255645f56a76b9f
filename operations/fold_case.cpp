#include "operations/fold_case.h"

#include "text/utf8_text.h"

namespace {

struct CapitalRange {
    char16_t First;
    char16_t Last;
    char16_t ToSmall; // added to a capital of the range
};

const CapitalRange Capitals[] = {
    {u'A', u'Z', u'a' - u'A'},
    {u'\u0410', u'\u042F', 0x20}, // А to Я
    {u'\u0400', u'\u040F', 0x50}, // Ѐ to Џ: Ђ, Ј, Љ, Њ, Ћ, Џ and the others
    {u'\u0490', u'\u0490', 1},    // Ґ
};

char16_t Small(char16_t c) {
    for (const CapitalRange& range : Capitals) {
        if (c >= range.First && c <= range.Last) {
            return static_cast<char16_t>(c + range.ToSmall);
        }
    }
    return c;
}

bool IsAscii(const std::string& text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string FoldCase(const std::string& utf8) {
    if (IsAscii(utf8)) { // most barcodes and many names: no conversion needed
        std::string folded = utf8;
        for (char& c : folded) {
            c = static_cast<char>(Small(static_cast<char16_t>(c)));
        }
        return folded;
    }
    std::u16string text = Utf8ToUtf16(utf8);
    for (char16_t& c : text) {
        c = Small(c);
    }
    return Utf16ToUtf8(text);
}
