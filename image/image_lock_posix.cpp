#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "image/image_lock.h"

namespace {
constexpr mode_t NewFileMode = 0666; // narrowed by the user's umask
} // namespace

ImageLock::Outcome ImageLock::Take(const std::string& path) {
    Drop();
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, NewFileMode);
    if (fd < 0) {
        return Outcome::Failed;
    }
    int locked = 0;
    do {
        locked = flock(fd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        const bool busy = errno == EWOULDBLOCK;
        close(fd);
        return busy ? Outcome::Busy : Outcome::Failed;
    }
    Handle = fd;
    return Outcome::Held;
}

void ImageLock::Drop() {
    if (Held()) {
        close(static_cast<int>(Handle)); // closing the file releases its lock
        Handle = NoHandle;
    }
}
