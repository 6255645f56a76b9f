#include "sheets/zip_archive.h"

#include <memory>
#include <vector>
#include <zip.h>

#include "files/file_handle.h"
#include "text/file_path.h"

namespace {

constexpr std::size_t BlockBytes = 64 * 1024;

struct ZipFileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

} // namespace

ZipArchive::ZipArchive(const std::string& path) {
    Failure = ZipFault::Broken;
    FileHandle file(OpenFile(path, "rb"));
    if (!file) {
        return;
    }
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_filep_create(file.get(), 0, -1, &error);
    if (source == nullptr) {
        zip_error_fini(&error);
        return;
    }
    file.release(); // libzip owns the FILE from here on, and closes it with the source
    // Without ZIP_CHECKCONS: quirks of other writers pass; damage shows in the checksums
    // and the unpacking of the parts read.
    Archive = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (Archive == nullptr) {
        zip_source_free(source);
    } else {
        Failure = ZipFault::None;
    }
    zip_error_fini(&error);
}

ZipArchive::~ZipArchive() {
    if (Archive != nullptr) {
        zip_discard(Archive);
    }
}

bool ZipArchive::Has(const std::string& name) const {
    return Archive != nullptr && zip_name_locate(Archive, name.c_str(), 0) >= 0;
}

bool ZipArchive::AnyEncrypted() const {
    const zip_int64_t count = Archive != nullptr ? zip_get_num_entries(Archive, 0) : 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        if (zip_stat_index(Archive, static_cast<zip_uint64_t>(i), 0, &stat) == 0 &&
            (stat.valid & ZIP_STAT_ENCRYPTION_METHOD) != 0 &&
            stat.encryption_method != ZIP_EM_NONE) {
            return true;
        }
    }
    return false;
}

ZipFault ZipArchive::Read(const std::string& name, const BlockSink& sink) {
    const zip_int64_t index = Archive != nullptr ? zip_name_locate(Archive, name.c_str(), 0) : -1;
    zip_stat_t stat;
    if (index < 0 || zip_stat_index(Archive, static_cast<zip_uint64_t>(index), 0, &stat) != 0) {
        return ZipFault::Broken;
    }
    // A stated size past the limit is refused before anything is unpacked.
    if ((stat.valid & ZIP_STAT_SIZE) != 0 && stat.size > MaxUnpackedBytes - Unpacked) {
        return ZipFault::TooLarge;
    }
    const std::unique_ptr<zip_file_t, ZipFileCloser> file(
        zip_fopen_index(Archive, static_cast<zip_uint64_t>(index), 0));
    if (!file) {
        return ZipFault::Broken;
    }
    std::vector<char> block(BlockBytes);
    for (;;) {
        const zip_int64_t got = zip_fread(file.get(), block.data(), block.size());
        if (got < 0) {
            return ZipFault::Broken;
        }
        if (got == 0) {
            return ZipFault::None;
        }
        Unpacked += static_cast<std::uint64_t>(got);
        if (Unpacked > MaxUnpackedBytes) {
            return ZipFault::TooLarge;
        }
        if (!sink(block.data(), static_cast<std::size_t>(got))) {
            return ZipFault::None;
        }
    }
}

ZipFault ZipArchive::ReadAll(const std::string& name, std::string& content) {
    content.clear();
    return Read(name, [&content](const char* data, std::size_t size) {
        content.append(data, size);
        return true;
    });
}
