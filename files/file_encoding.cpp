#include "files/file_encoding.h"

#include <cstring>
#include <string>
#include <vector>

#include "text/utf8_decoder.h"

namespace {

struct Mark {
    const char* Bytes;
    std::size_t Size;
    FileEncoding Encoding;
};
const Mark Marks[] = {{"\xEF\xBB\xBF", 3, FileEncoding::Utf8},
                      {"\xFE\xFF", 2, FileEncoding::Utf16BE},
                      {"\xFF\xFE", 2, FileEncoding::Utf16LE}};
constexpr std::size_t LongestMark = 3;

// Reads the file from where it stands to its end; false as soon as a NUL byte or a
// malformed sequence shows it is no UTF-8 text.
bool RestIsUtf8(std::FILE* file, std::vector<char>& block, bool& failed) {
    Utf8Decoder decoder;
    std::u16string scratch;
    for (;;) {
        const std::size_t got = std::fread(block.data(), 1, block.size(), file);
        if (std::memchr(block.data(), 0, got) != nullptr) {
            return false;
        }
        for (std::size_t i = 0; i < got && decoder.Valid(); ++i) {
            decoder.Feed(static_cast<unsigned char>(block[i]), scratch);
            scratch.clear();
        }
        if (!decoder.Valid()) {
            return false;
        }
        if (got < block.size()) {
            failed = std::ferror(file) != 0;
            decoder.Finish(scratch);
            return decoder.Valid();
        }
    }
}

} // namespace

DetectedEncoding DetectEncoding(std::FILE* file) {
    DetectedEncoding found;
    std::vector<char> block(FileBlockBytes);
    const std::size_t got = std::fread(block.data(), 1, LongestMark, file);
    for (const Mark& mark : Marks) {
        if (got >= mark.Size && std::memcmp(block.data(), mark.Bytes, mark.Size) == 0) {
            found.Encoding = mark.Encoding;
            found.MarkBytes = mark.Size;
            break;
        }
    }
    if (found.MarkBytes == 0 && std::fseek(file, 0, SEEK_SET) == 0 &&
        RestIsUtf8(file, block, found.Failed)) {
        found.Encoding = FileEncoding::Utf8;
    }
    found.Failed = found.Failed || std::ferror(file) != 0 ||
                   std::fseek(file, static_cast<long>(found.MarkBytes), SEEK_SET) != 0;
    return found;
}
