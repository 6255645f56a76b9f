#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include <unistd.h>

#include "text/ecr_string.h"

// The fuzzer's bytes as a text: a zero byte ends a text anyway, so it is dropped.
inline ECRString FuzzText(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    bytes = bytes.substr(0, bytes.find('\0'));
    return ECRString(bytes.c_str());
}

// The fuzzer's bytes as a whole file on disk, one file a fuzzing process; "" when it
// could not be written.
inline std::string FuzzFile(const char* name, const std::uint8_t* data, std::size_t size) {
    const std::string path = std::string("/tmp/") + name + "-" + std::to_string(getpid());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return {};
    const bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written ? path : std::string();
}
