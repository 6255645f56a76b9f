#include "files/replace_file.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int NameAttempts = 100;
constexpr mode_t NewFileMode = 0666; // narrowed by the user's umask, as for any new file
constexpr mode_t OwnerOnlyMode = 0600;

int OpenFreshTemporary(const std::string& path, std::string& tempPath, mode_t mode) {
    static std::atomic<unsigned> serial{0};
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        tempPath = path + ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(++serial);
        const int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

bool WriteAll(int fd, const std::string& content) {
    const char* at = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t n = write(fd, at, left);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        at += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

bool ReplaceFileContent(const std::string& path, const std::string& content, FileReaders readers) {
    std::string tempPath;
    const int fd = OpenFreshTemporary(
        path, tempPath, readers == FileReaders::OwnerOnly ? OwnerOnlyMode : NewFileMode);
    if (fd < 0) {
        return false;
    }
    bool ok = WriteAll(fd, content) && fsync(fd) == 0;
    ok = (close(fd) == 0) && ok;
    ok = ok && std::rename(tempPath.c_str(), path.c_str()) == 0;
    if (!ok) {
        unlink(tempPath.c_str());
    }
    return ok;
}
