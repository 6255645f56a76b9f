#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "text/ecr_string.h"

// The fuzzer's bytes as a text: a zero byte ends a text anyway, so it is dropped.
inline ECRString FuzzText(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    bytes = bytes.substr(0, bytes.find('\0'));
    return ECRString(bytes.c_str());
}
