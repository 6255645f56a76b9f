#pragma once

#include <cstddef>
#include <cstdio>

// How the bytes of an article file stand for text.
enum class FileEncoding { Utf16LE, Utf16BE, Utf8 };

constexpr std::size_t FileBlockBytes = 64 * 1024; // files are read in blocks of this size

struct DetectedEncoding {
    FileEncoding Encoding = FileEncoding::Utf16LE;
    std::size_t MarkBytes = 0; // the byte-order mark at the start, skipped by reading
    bool Failed = false;       // the file could not be read
};

// A UTF-16BE or UTF-8 byte-order mark says so; a UTF-16LE mark or none means UTF-16LE,
// unless the whole file is valid UTF-8 without a single NUL byte (UTF-16 text of any
// article line holds NUL bytes, in its TABs and line ends at least). Reads from the
// start and leaves the file positioned just after the mark.
DetectedEncoding DetectEncoding(std::FILE* file);
