#include "files/replace_file.h"

#include "text/wide_path.h"
#include "text/windows_api.h"

#include <algorithm>
#include <atomic>
#include <string>

namespace {

constexpr int NameAttempts = 100;
constexpr DWORD MostPerWrite = 1u << 20;
constexpr DWORD MoveFlags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;

// The full form of the path: ReplaceFileW of some systems (Wine) refuses a relative one.
bool FullPath(const std::wstring& path, std::wstring& full) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) {
        return false;
    }
    full.assign(size, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) { // the current folder changed in between
        return false;
    }
    full.resize(length);
    return true;
}

HANDLE OpenFreshTemporary(const std::wstring& path, std::wstring& tempPath) {
    static std::atomic<unsigned> serial{0};
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        tempPath = path + L".tmp-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                   std::to_wstring(++serial);
        const HANDLE file = CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) {
            return file;
        }
    }
    return INVALID_HANDLE_VALUE;
}

bool WriteAll(HANDLE file, const std::string& content) {
    const char* at = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(left, MostPerWrite));
        DWORD written = 0;
        if (!WriteFile(file, at, piece, &written, nullptr) || written == 0) {
            return false;
        }
        at += written;
        left -= written;
    }
    return true;
}

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// ReplaceFileW keeps the old file's attributes and security; it needs an old file, so a
// new one is moved into place instead. A folder in the way stays: not every ReplaceFileW
// refuses to put a file in its place.
bool PutInPlace(const std::wstring& tempPath, const std::wstring& path) {
    if (IsFolder(path)) {
        return false;
    }
    if (ReplaceFileW(path.c_str(), tempPath.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                     nullptr, nullptr)) {
        return true;
    }
    return GetLastError() == ERROR_FILE_NOT_FOUND &&
           MoveFileExW(tempPath.c_str(), path.c_str(), MoveFlags);
}

} // namespace

bool ReplaceFileContent(const std::string& path, const std::string& content, FileReaders) {
    std::wstring target;
    if (!FullPath(WidePath(path), target)) {
        return false;
    }
    std::wstring tempPath;
    const HANDLE file = OpenFreshTemporary(target, tempPath);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool ok = WriteAll(file, content) && FlushFileBuffers(file);
    ok = CloseHandle(file) && ok;
    ok = ok && PutInPlace(tempPath, target);
    if (!ok) {
        DeleteFileW(tempPath.c_str());
    }
    return ok;
}
