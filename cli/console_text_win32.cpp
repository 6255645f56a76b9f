#include "cli/console_text.h"

#include <algorithm>
#include <io.h>

#include "text/utf8_text.h"
#include "text/windows_api.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide characters are UTF-16 units");

namespace {

// Units given to one call: older consoles refuse a write larger than their buffer.
constexpr std::size_t ConsoleChunk = 8192;

// The console behind the stream; nullptr when it leads to a file, a pipe or a device.
HANDLE ConsoleOf(std::FILE* stream) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode)) {
        return nullptr;
    }
    return handle;
}

// A pair split over two calls would show as two wrong characters.
std::size_t ChunkEnd(const std::u16string& text, std::size_t at) {
    std::size_t end = std::min(text.size(), at + ConsoleChunk);
    if (end < text.size() && IsHighSurrogate(text[end - 1])) {
        --end;
    }
    return end;
}

// The units written: all of them unless the console refused.
std::size_t WriteToConsole(HANDLE console, const std::u16string& text) {
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = ChunkEnd(text, at);
        DWORD written = 0;
        if (!WriteConsoleW(console, reinterpret_cast<const wchar_t*>(text.data() + at),
                           static_cast<DWORD>(end - at), &written, nullptr) ||
            written == 0) {
            break;
        }
        at += written;
    }
    return at;
}

} // namespace

void WriteText(std::FILE* stream, const std::string& utf8) {
    HANDLE console = ConsoleOf(stream);
    if (console == nullptr) {
        std::fwrite(utf8.data(), 1, utf8.size(), stream);
        return;
    }
    std::fflush(stream); // what the C library holds goes out first
    const std::u16string text = Utf8ToUtf16(utf8);
    const std::size_t written = WriteToConsole(console, text);
    if (written < text.size()) { // the rest as bytes rather than lost
        const std::string rest = Utf16ToUtf8(text.substr(written));
        std::fwrite(rest.data(), 1, rest.size(), stream);
    }
}

// A console takes VT sequences only once a program turns them on, and not before
// Windows 10; spaces over the line work on every one.
std::string EraseLineText(std::size_t width) {
    return "\r" + std::string(width, ' ') + "\r";
}
