#include "text/wide_path.h"

#include "text/utf8_text.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide characters are UTF-16 units");

std::wstring WidePath(const std::string& path) {
    const std::u16string units = Utf8ToUtf16(path);
    return std::wstring(units.begin(), units.end());
}

std::string FromWide(const std::wstring& text) {
    return Utf16ToUtf8(std::u16string(text.begin(), text.end()));
}
