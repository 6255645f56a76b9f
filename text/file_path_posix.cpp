#include "text/file_path.h"

std::FILE* OpenFile(const std::string& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

std::filesystem::path FileSystemPath(const std::string& path) {
    return std::filesystem::path(path);
}
