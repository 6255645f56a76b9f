#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include <unistd.h>

#include "tests/plu/plu_test_text.h"

// A fresh directory under /tmp, removed with everything in it at the end of the test.
class TempDir {
public:
    TempDir() {
        char name[] = "/tmp/talon-articles-XXXXXX";
        if (!mkdtemp(name)) {
            throw std::runtime_error("mkdtemp failed");
        }
        Path = name;
    }
    ~TempDir() {
        std::error_code ignored; // a leftover directory under /tmp harms no later test
        std::filesystem::remove_all(Path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string File(const std::string& name) const { return Path + "/" + name; }
    const std::string& Dir() const { return Path; }

private:
    std::string Path;
};

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// UTF-16LE bytes of a text, without any line end added.
inline std::string Utf16Bytes(const std::u16string& text) {
    std::string bytes;
    for (char16_t u : text) {
        bytes += static_cast<char>(u & 0xFF);
        bytes += static_cast<char>(u >> 8);
    }
    return bytes;
}

// A record as the register would report it, so that ThisID is set.
inline TalonPLUItem RegisterArticle(const char* name, const char* code, int thisId) {
    TalonPLUItem item;
    const std::string answer = std::string(name) + "\n" + code + "\n" +
                               WithSep("0\t0|0|0|0|0|0|0|0\t0\t") + std::to_string(thisId) + "\t0";
    item.FromECRText(answer.c_str());
    return item;
}
