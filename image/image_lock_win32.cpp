#include <windows.h>

#include "image/image_lock.h"
#include "text/wide_path.h"

namespace {
constexpr DWORD LockedBytes = 1;
} // namespace

ImageLock::Outcome ImageLock::Take(const std::string& path) {
    Drop();
    const HANDLE file = CreateFileW(WidePath(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return Outcome::Failed;
    }
    OVERLAPPED at{};
    if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, LockedBytes, 0,
                   &at) == 0) {
        const bool busy = GetLastError() == ERROR_LOCK_VIOLATION;
        CloseHandle(file);
        return busy ? Outcome::Busy : Outcome::Failed;
    }
    Handle = reinterpret_cast<std::intptr_t>(file);
    return Outcome::Held;
}

void ImageLock::Drop() {
    if (Held()) {
        CloseHandle(reinterpret_cast<HANDLE>(Handle)); // closing the file releases its lock
        Handle = NoHandle;
    }
}
