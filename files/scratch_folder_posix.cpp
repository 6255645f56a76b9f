#include "files/scratch_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace {

const char* const FolderPattern = "talonsendplu-XXXXXX";

} // namespace

ScratchFolder::ScratchFolder() {
    std::error_code error;
    const std::filesystem::path base = std::filesystem::temp_directory_path(error);
    if (error) {
        return;
    }
    const std::string pattern = (base / FolderPattern).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (mkdtemp(name.data()) != nullptr) { // mode 0700: no other user gets in
        Narrow = name.data();
        Program = Narrow; // the bytes the system gives, either way
    }
}

ScratchFolder::~ScratchFolder() {
    if (!Narrow.empty()) {
        std::error_code ignored; // a leftover in the temporary folder harms nothing
        std::filesystem::remove_all(Narrow, ignored);
    }
}

std::string ScratchFolder::File(const char* name) const {
    return Narrow + "/" + name;
}

std::string ScratchFolder::ProgramFile(const char* name) const {
    return Program + "/" + name;
}
