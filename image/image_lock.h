#pragma once

#include <cstdint>
#include <string>

// A lock file beside an image: one program, or one thread, writes an image at a time.
// Every opening of the file is a lock of its own, so two threads of one program that
// each take it exclude each other as two programs do.
class ImageLock {
public:
    enum class Outcome { Held, Busy, Failed };

    ImageLock() = default;
    ~ImageLock() { Drop(); }
    ImageLock(const ImageLock&) = delete;
    ImageLock& operator=(const ImageLock&) = delete;

    // Takes the lock without waiting: Busy when someone else holds it, Failed when the
    // file cannot be opened.
    Outcome Take(const std::string& path);
    void Drop();
    bool Held() const { return Handle != NoHandle; }

private:
    static constexpr std::intptr_t NoHandle = -1;
    std::intptr_t Handle = NoHandle;
};
