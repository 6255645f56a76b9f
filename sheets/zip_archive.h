#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "sheets/sheet_fault.h"

struct zip;

// All parts of one workbook together may unpack to this many bytes; what is unpacked is
// counted as it comes, since the sizes a zip's headers state may lie.
constexpr std::uint64_t MaxUnpackedBytes = 64u * 1024u * 1024u;

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

    SheetFault Fault() const { return Failure; }
    bool Has(const std::string& name) const;
    // True when any entry is encrypted.
    bool AnyEncrypted() const;
    // Unpacks the entry into `sink`. SheetFault::None also when the sink stopped it;
    // BrokenZip for a missing or damaged entry, TooLarge past MaxUnpackedBytes in all.
    SheetFault Read(const std::string& name, const BlockSink& sink);
    // The whole entry as one string (for small parts such as the mimetype).
    SheetFault ReadAll(const std::string& name, std::string& content);

private:
    zip* Archive = nullptr;
    SheetFault Failure = SheetFault::None;
    std::uint64_t Unpacked = 0;
};
