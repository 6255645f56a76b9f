#include "sheets/zip_archive.h"

#include <cstdio>
#include <memory>
#include <vector>
#include <zip.h>

#include "text/file_path.h"

namespace {

constexpr std::size_t BlockBytes = 64 * 1024;

struct ZipFileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

} // namespace

ZipArchive::ZipArchive(const std::string& path) {
    Failure = SheetFault::BrokenZip;
    std::FILE* file = OpenFile(path, "rb");
    if (file == nullptr) {
        return;
    }
    zip_error_t error;
    zip_error_init(&error);
    // libzip owns the FILE from here on, and closes it with the source.
    zip_source_t* source = zip_source_filep_create(file, 0, -1, &error);
    if (source == nullptr) {
        std::fclose(file);
        zip_error_fini(&error);
        return;
    }
    // Without ZIP_CHECKCONS: quirks of other writers pass; damage shows in the checksums
    // and the unpacking of the parts read.
    Archive = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (Archive == nullptr) {
        zip_source_free(source);
    } else {
        Failure = SheetFault::None;
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

SheetFault ZipArchive::Read(const std::string& name, const BlockSink& sink) {
    const zip_int64_t index = Archive != nullptr ? zip_name_locate(Archive, name.c_str(), 0) : -1;
    zip_stat_t stat;
    if (index < 0 || zip_stat_index(Archive, static_cast<zip_uint64_t>(index), 0, &stat) != 0) {
        return SheetFault::BrokenZip;
    }
    // A stated size past the limit is refused before anything is unpacked.
    if ((stat.valid & ZIP_STAT_SIZE) != 0 && stat.size > MaxUnpackedBytes - Unpacked) {
        return SheetFault::TooLarge;
    }
    const std::unique_ptr<zip_file_t, ZipFileCloser> file(
        zip_fopen_index(Archive, static_cast<zip_uint64_t>(index), 0));
    if (!file) {
        return SheetFault::BrokenZip;
    }
    std::vector<char> block(BlockBytes);
    for (;;) {
        const zip_int64_t got = zip_fread(file.get(), block.data(), block.size());
        if (got < 0) {
            return SheetFault::BrokenZip;
        }
        if (got == 0) {
            return SheetFault::None;
        }
        Unpacked += static_cast<std::uint64_t>(got);
        if (Unpacked > MaxUnpackedBytes) {
            return SheetFault::TooLarge;
        }
        if (!sink(block.data(), static_cast<std::size_t>(got))) {
            return SheetFault::None;
        }
    }
}

SheetFault ZipArchive::ReadAll(const std::string& name, std::string& content) {
    content.clear();
    return Read(name, [&content](const char* data, std::size_t size) {
        content.append(data, size);
        return true;
    });
}
