#include "text/code_page.h"

#include <cerrno>
#include <iconv.h>
#include <locale.h>

#include <stdexcept>
#include <string>

// Both directions run through glibc's iconv. Transliteration (Č→C) only happens under a
// UTF-8 locale, so every conversion switches this thread to a UTF-8 locale of the module's
// own for its duration and then restores whatever the thread had.
//
// Choices on input that iconv cannot take:
// - Unicode → 1251: a lone surrogate (a pair cut at a line-piece boundary, for instance), a
//   NUL code unit (it would end a register text early) and any character that has neither a
//   1251 form nor a transliteration all become "?"; the rest of the text is converted.
// - 1251 → Unicode: the one byte 1251 leaves undefined (0x98) becomes the code point of the
//   same value, as the Windows conversion does, so this direction never fails.

namespace {

constexpr char UnicodeSide[] = "UTF-16LE";
constexpr char CodePageSide[] = "WINDOWS-1251";
constexpr char CodePageTranslit[] = "WINDOWS-1251//TRANSLIT";
constexpr char16_t Replacement = u'?';
constexpr char ReplacementByte = '?';
constexpr std::size_t UnitBytes = 2;
constexpr std::size_t PairBytes = 4;

bool IsHighSurrogate(char16_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLowSurrogate(char16_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

// A UTF-8 locale for transliteration; (locale_t)0 when the system has none (then the
// letters with diacritics become "?" instead of losing the diacritic).
locale_t ConversionLocale() {
    static const locale_t loc = [] {
        for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"}) {
            if (locale_t l = newlocale(LC_ALL_MASK, name, static_cast<locale_t>(0))) {
                return l;
            }
        }
        return static_cast<locale_t>(0);
    }();
    return loc;
}

// Switches the calling thread to the conversion locale while it lives.
class LocaleScope {
public:
    LocaleScope() : Previous(static_cast<locale_t>(0)) {
        if (locale_t loc = ConversionLocale()) {
            Previous = uselocale(loc);
        }
    }
    ~LocaleScope() {
        if (Previous != static_cast<locale_t>(0)) {
            uselocale(Previous);
        }
    }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;

private:
    locale_t Previous;
};

// One iconv descriptor, opened on first use and kept for the thread's life.
class Converter {
public:
    Converter(const char* to, const char* from) {
        LocaleScope scope;
        Handle = iconv_open(to, from);
        if (Handle == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
        }
    }
    ~Converter() { iconv_close(Handle); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as it can; on return `in` points at the first byte not converted
    // (errno tells why when inLeft is not 0).
    void Run(char*& in, std::size_t& inLeft, std::string& out) {
        char buffer[4096];
        while (inLeft > 0) {
            char* o = buffer;
            std::size_t oLeft = sizeof buffer;
            const std::size_t r = iconv(Handle, &in, &inLeft, &o, &oLeft);
            out.append(buffer, static_cast<std::size_t>(o - buffer));
            if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
                return;
            }
        }
    }
    void Reset() { iconv(Handle, nullptr, nullptr, nullptr, nullptr); }

private:
    iconv_t Handle;
};

Converter& ToCodePage() {
    thread_local Converter c(CodePageTranslit, UnicodeSide);
    return c;
}

Converter& FromCodePage() {
    thread_local Converter c(UnicodeSide, CodePageSide);
    return c;
}

// Little-endian bytes of the text with every unit iconv must not see replaced by "?".
std::string CleanUnits(const std::u16string& text) {
    std::string bytes;
    bytes.reserve(text.size() * UnitBytes);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t u = text[i];
        const bool pair = IsHighSurrogate(u) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]);
        if (pair) {
            bytes += static_cast<char>(u & 0xFF);
            bytes += static_cast<char>(u >> 8);
            u = text[++i];
        } else if (u == 0 || IsHighSurrogate(u) || IsLowSurrogate(u)) {
            u = Replacement;
        }
        bytes += static_cast<char>(u & 0xFF);
        bytes += static_cast<char>(u >> 8);
    }
    return bytes;
}

// The size in bytes of the character starting at `at` (one unit or a surrogate pair).
std::size_t CharacterBytes(const char* at, std::size_t left) {
    const auto high = static_cast<unsigned char>(at[1]);
    return (left >= PairBytes && high >= 0xD8 && high <= 0xDB) ? PairBytes : UnitBytes;
}

} // namespace

std::string Utf16ToCp1251(const std::u16string& text) {
    std::string bytes = CleanUnits(text);
    std::string out;
    out.reserve(text.size());
    LocaleScope scope;
    Converter& conv = ToCodePage();
    conv.Reset();
    char* in = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        conv.Run(in, left, out);
        if (left > 0) { // a character with no form in 1251 and no transliteration
            const std::size_t skip = CharacterBytes(in, left);
            out += ReplacementByte;
            in += skip;
            left -= skip;
            conv.Reset();
        }
    }
    return out;
}

std::u16string Cp1251ToUtf16(const std::string& bytes) {
    std::string input = bytes;
    std::string units;
    units.reserve(bytes.size() * UnitBytes);
    Converter& conv = FromCodePage();
    conv.Reset();
    char* in = input.data();
    std::size_t left = input.size();
    while (left > 0) {
        conv.Run(in, left, units);
        if (left > 0) { // the undefined byte: keep its value as the code point
            units += *in;
            units += '\0';
            ++in;
            --left;
            conv.Reset();
        }
    }
    std::u16string out;
    out.reserve(units.size() / UnitBytes);
    for (std::size_t i = 0; i + 1 < units.size(); i += UnitBytes) {
        const auto lo = static_cast<unsigned char>(units[i]);
        const auto hi = static_cast<unsigned char>(units[i + 1]);
        out += static_cast<char16_t>(lo | (hi << 8));
    }
    return out;
}
