#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/plu/plu_test_text.h"

// Paths in the tests are kept as the program keeps them: UTF-8 on Windows.
inline std::filesystem::path PathOf(const std::string& path) {
    return std::filesystem::u8path(path);
}

// A fresh directory in the system's temporary folder, removed with everything in it at
// the end of the test.
class TempDir {
public:
    TempDir() {
        constexpr int Attempts = 100;
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        std::random_device seed;
        for (int attempt = 0; attempt < Attempts && Path.empty(); ++attempt) {
            const std::filesystem::path dir = base / ("talon-articles-" + std::to_string(seed()));
            if (std::filesystem::create_directory(dir)) {
                Path = dir.u8string();
            }
        }
        if (Path.empty()) {
            throw std::runtime_error("no temporary directory could be made");
        }
    }
    ~TempDir() {
        std::error_code ignored; // a leftover temporary directory harms no later test
        std::filesystem::remove_all(PathOf(Path), ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string File(const std::string& name) const { return Path + "/" + name; }
    const std::string& Dir() const { return Path; }

private:
    std::string Path;
};

// How many entries a directory holds.
inline int FilesIn(const std::string& dir) {
    int count = 0;
    for (auto it = std::filesystem::directory_iterator(PathOf(dir));
         it != std::filesystem::directory_iterator(); ++it) {
        ++count;
    }
    return count;
}

// The names of a directory's entries, in UTF-8 on Windows.
inline std::vector<std::string> NamesIn(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(PathOf(dir))) {
        names.push_back(entry.path().filename().u8string());
    }
    return names;
}

// Makes a directory the current one for its lifetime.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::string& dir) : Earlier(std::filesystem::current_path()) {
        std::filesystem::current_path(PathOf(dir));
    }
    ~CurrentFolder() {
        std::error_code ignored; // the earlier folder is gone only if the test removed it
        std::filesystem::current_path(Earlier, ignored);
    }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    std::filesystem::path Earlier;
};

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(PathOf(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(PathOf(path), std::ios::binary | std::ios::trunc);
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
