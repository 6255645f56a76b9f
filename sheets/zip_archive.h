#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

struct zip;

// All parts of one workbook together may unpack to this many bytes; what is unpacked is
// counted as it comes, since the sizes a zip's headers state may lie.
constexpr std::uint64_t MaxUnpackedBytes = 64u * 1024u * 1024u;

// Why a zip, or an entry of it, could not be read.
enum class ZipFault {
    None,
    Broken,   // no readable zip, or a missing or damaged entry
    TooLarge, // more than MaxUnpackedBytes unpacked in all
};

// A zip file read with libzip, its entries unpacked in blocks.
class ZipArchive {
public:
    // Receives each unpacked block; returns false to stop unpacking.
    using BlockSink = std::function<bool(const char* data, std::size_t size)>;

    // Opens the file; Fault() says when it is no readable zip.
    explicit ZipArchive(const std::string& path);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    ZipFault Fault() const { return Failure; }
    bool Has(const std::string& name) const;
    // True when any entry is encrypted.
    bool AnyEncrypted() const;
    // Unpacks the entry into `sink`. ZipFault::None also when the sink stopped it.
    ZipFault Read(const std::string& name, const BlockSink& sink);
    // The whole entry as one string (for small parts such as the mimetype).
    ZipFault ReadAll(const std::string& name, std::string& content);

private:
    zip* Archive = nullptr;
    ZipFault Failure = ZipFault::None;
    std::uint64_t Unpacked = 0;
};
