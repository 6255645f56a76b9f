#include "text/system_code_page.h"

#include <cerrno>
#include <iconv.h>

#include <stdexcept>
#include <string>

// Both directions run through iconv, without transliteration (that is done beforehand,
// by our own table, the same on every platform). Where iconv stops at a character it
// cannot take, that character is settled here as the Windows conversion settles it.

namespace {

constexpr char UnicodeSide[] = "UTF-16LE";
constexpr char CodePageSide[] = "WINDOWS-1251";
constexpr char ReplacementByte = '?';
constexpr unsigned char UndefinedByte = 0x98; // the one byte 1251 leaves undefined
constexpr std::size_t UnitBytes = 2;

// One iconv descriptor, opened on first use and kept for the thread's life.
class Converter {
public:
    Converter(const char* to, const char* from) : Handle(iconv_open(to, from)) {
        if (Handle == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
        }
    }
    ~Converter() { iconv_close(Handle); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as it can; on return `in` points at the first byte not converted.
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
    thread_local Converter c(CodePageSide, UnicodeSide);
    return c;
}

Converter& FromCodePage() {
    thread_local Converter c(UnicodeSide, CodePageSide);
    return c;
}

std::string LittleEndianBytes(const std::u16string& units) {
    std::string bytes;
    bytes.reserve(units.size() * UnitBytes);
    for (char16_t u : units) {
        bytes += static_cast<char>(u & 0xFF);
        bytes += static_cast<char>(u >> 8);
    }
    return bytes;
}

std::u16string FromLittleEndian(const std::string& bytes) {
    std::u16string units;
    units.reserve(bytes.size() / UnitBytes);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += UnitBytes) {
        const auto lo = static_cast<unsigned char>(bytes[i]);
        const auto hi = static_cast<unsigned char>(bytes[i + 1]);
        units += static_cast<char16_t>(lo | (hi << 8));
    }
    return units;
}

} // namespace

std::string SystemUtf16ToCp1251(const std::u16string& units) {
    std::string bytes = LittleEndianBytes(units);
    std::string out;
    out.reserve(units.size());
    Converter& conv = ToCodePage();
    conv.Reset();
    char* in = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        conv.Run(in, left, out);
        if (left > 0) { // a unit without a 1251 form
            const bool undefined = static_cast<unsigned char>(in[0]) == UndefinedByte && in[1] == 0;
            out += undefined ? static_cast<char>(UndefinedByte) : ReplacementByte;
            in += UnitBytes;
            left -= UnitBytes;
            conv.Reset();
        }
    }
    return out;
}

std::u16string SystemCp1251ToUtf16(const std::string& bytes) {
    std::string input = bytes;
    std::string units;
    units.reserve(bytes.size() * UnitBytes);
    Converter& conv = FromCodePage();
    conv.Reset();
    char* in = input.data();
    std::size_t left = input.size();
    while (left > 0) {
        conv.Run(in, left, units);
        if (left > 0) { // the undefined byte: its value is the code point
            units += *in;
            units += '\0';
            ++in;
            --left;
            conv.Reset();
        }
    }
    return FromLittleEndian(units);
}
