#include "files/scratch_folder.h"

#include <atomic>
#include <filesystem>
#include <system_error>

#include "text/wide_path.h"
#include "text/windows_api.h"

namespace {

constexpr int NameAttempts = 100;
const wchar_t* const FolderPrefix = L"talonsendplu-";

// The text in the ANSI code page; false when a character has no exact form there.
bool ToAnsi(const std::wstring& wide, std::string& narrow) {
    // With UTF-8 as the ANSI code page every character has its form, and the call takes
    // neither the flag nor the lossy indicator.
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL lossy = FALSE;
    BOOL* const lossyOut = utf8 ? nullptr : &lossy;
    const int size =
        WideCharToMultiByte(CP_ACP, flags, wide.c_str(), -1, nullptr, 0, nullptr, lossyOut);
    if (size <= 0 || lossy) {
        return false;
    }
    narrow.assign(static_cast<std::size_t>(size), '\0');
    if (WideCharToMultiByte(CP_ACP, flags, wide.c_str(), -1, narrow.data(), size, nullptr,
                            lossyOut) != size ||
        lossy) {
        return false;
    }
    narrow.resize(static_cast<std::size_t>(size) - 1);
    return true;
}

// The 8.3 form of an existing path; empty when the volume keeps none.
std::wstring ShortForm(const std::wstring& path) {
    const DWORD size = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (size == 0) {
        return std::wstring();
    }
    std::wstring form(size, L'\0');
    const DWORD length = GetShortPathNameW(path.c_str(), form.data(), size);
    if (length == 0 || length >= size) {
        return std::wstring();
    }
    form.resize(length);
    return form;
}

// The system's temporary folder, without the closing backslash (the C library's stat,
// which libxlsxwriter uses on it, refuses a folder named with one).
std::wstring TemporaryFolder() {
    wchar_t buffer[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    if (length == 0 || length > MAX_PATH) {
        return std::wstring();
    }
    std::wstring folder(buffer, length);
    while (!folder.empty() && folder.back() == L'\\') {
        folder.pop_back();
    }
    return folder;
}

std::wstring MakeFreshFolder() {
    static std::atomic<unsigned> serial{0};
    const std::wstring base = TemporaryFolder();
    if (base.empty()) {
        return std::wstring();
    }
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        const std::wstring folder = base + L"\\" + FolderPrefix +
                                    std::to_wstring(GetCurrentProcessId()) + L"-" +
                                    std::to_wstring(++serial);
        if (CreateDirectoryW(folder.c_str(), nullptr)) {
            return folder;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            break;
        }
    }
    return std::wstring();
}

void RemoveFolder(const std::wstring& folder) {
    std::error_code ignored; // a leftover in the temporary folder harms nothing
    std::filesystem::remove_all(std::filesystem::path(folder), ignored);
}

std::wstring Wide(const std::string& narrow) {
    const int size = MultiByteToWideChar(CP_ACP, 0, narrow.c_str(), -1, nullptr, 0);
    if (size <= 0) {
        return std::wstring();
    }
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, narrow.c_str(), -1, wide.data(), size);
    wide.resize(static_cast<std::size_t>(size) - 1);
    return wide;
}

} // namespace

ScratchFolder::ScratchFolder() {
    const std::wstring folder = MakeFreshFolder();
    if (folder.empty()) {
        return;
    }
    std::string narrow;
    const std::wstring shortForm = ShortForm(folder);
    if (ToAnsi(folder, narrow) || (!shortForm.empty() && ToAnsi(shortForm, narrow))) {
        Narrow = narrow;
        Program = FromWide(folder);
    } else {
        RemoveFolder(folder);
    }
}

ScratchFolder::~ScratchFolder() {
    if (!Narrow.empty()) {
        RemoveFolder(Wide(Narrow));
    }
}

std::string ScratchFolder::File(const char* name) const {
    return Narrow + "\\" + name;
}

std::string ScratchFolder::ProgramFile(const char* name) const {
    return Program + "\\" + name;
}
