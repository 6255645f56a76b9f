#include "files/whole_file.h"

#include "files/file_handle.h"
#include "text/file_path.h"

namespace {

constexpr std::size_t ReadChunk = 1 << 16;

} // namespace

WholeFileRead ReadWholeFile(const std::string& path, std::string& content) {
    content.clear();
    const FileHandle file(OpenFile(path, "rb"));
    if (!file) {
        return WholeFileRead::NotOpened;
    }
    std::string chunk(ReadChunk, '\0');
    std::size_t got = 0;
    while ((got = std::fread(chunk.data(), 1, chunk.size(), file.get())) > 0) {
        content.append(chunk.data(), got);
    }
    if (std::ferror(file.get()) != 0) {
        content.clear();
        return WholeFileRead::Failed;
    }
    return WholeFileRead::Read;
}
