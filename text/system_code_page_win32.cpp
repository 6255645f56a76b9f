#include "text/system_code_page.h"

#include "text/windows_api.h"

#include <algorithm>
#include <stdexcept>
#include <string>

// Both directions run through the Windows conversion of code page 1251; best-fit guesses
// are off, so that only our own transliteration table decides which letters lose their
// diacritic. Each unit is one byte and each byte one unit, so the results have the size
// of the input and long texts go in pieces that the calls' int sizes can take.

namespace {

constexpr UINT CodePage = 1251;
constexpr char ReplacementBytes[] = "?";
constexpr std::size_t PieceSize = 1u << 20;

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide characters are UTF-16 units");

} // namespace

std::string SystemUtf16ToCp1251(const std::u16string& units) {
    std::string out(units.size(), '\0');
    for (std::size_t at = 0; at < units.size(); at += PieceSize) {
        const int size = static_cast<int>(std::min(PieceSize, units.size() - at));
        const int made = WideCharToMultiByte(
            CodePage, WC_NO_BEST_FIT_CHARS, reinterpret_cast<const wchar_t*>(units.data() + at),
            size, out.data() + at, size, ReplacementBytes, nullptr);
        if (made != size) {
            throw std::runtime_error("Windows cannot convert text to code page 1251");
        }
    }
    return out;
}

std::u16string SystemCp1251ToUtf16(const std::string& bytes) {
    std::u16string out(bytes.size(), u'\0');
    for (std::size_t at = 0; at < bytes.size(); at += PieceSize) {
        const int size = static_cast<int>(std::min(PieceSize, bytes.size() - at));
        const int made = MultiByteToWideChar(CodePage, 0, bytes.data() + at, size,
                                             reinterpret_cast<wchar_t*>(out.data() + at), size);
        if (made != size) {
            throw std::runtime_error("Windows cannot convert code page 1251 to text");
        }
    }
    return out;
}
