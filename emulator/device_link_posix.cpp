#include "emulator/device_link.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {
[[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error(what + ": " + std::strerror(errno));
}
} // namespace

void DeviceLink::Make(const std::string& linkPath, const std::string& target) {
    Remove();
    // Only a link (left by an earlier run, say) is replaced: a mistyped path must never
    // cost the user a file.
    struct stat existing {};
    if (lstat(linkPath.c_str(), &existing) == 0 && !S_ISLNK(existing.st_mode)) {
        errno = EEXIST;
        Fail("will not replace " + linkPath + ", which is not a symbolic link");
    }
    if (unlink(linkPath.c_str()) != 0 && errno != ENOENT) {
        Fail("cannot replace " + linkPath);
    }
    if (symlink(target.c_str(), linkPath.c_str()) != 0) {
        Fail("cannot link " + linkPath);
    }
    Link = linkPath;
    Target = target;
}

void DeviceLink::Remove() {
    if (Link.empty()) {
        return;
    }
    char points[PATH_MAX] = {};
    const ssize_t n = readlink(Link.c_str(), points, sizeof points - 1);
    if (n > 0 && Target == std::string(points, static_cast<std::size_t>(n))) {
        unlink(Link.c_str());
    }
    Link.clear();
}
