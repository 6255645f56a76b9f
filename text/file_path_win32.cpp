#include "text/file_path.h"

#include <cstring>

#include "text/wide_path.h"

std::FILE* OpenFile(const std::string& path, const char* mode) {
    const std::wstring wideMode(mode, mode + std::strlen(mode)); // modes are ASCII
    return _wfopen(WidePath(path).c_str(), wideMode.c_str());
}

std::filesystem::path FileSystemPath(const std::string& path) {
    return std::filesystem::path(WidePath(path));
}
