#include "sheets/sheet_file.h"

#include <cstring>

#include "files/file_handle.h"
#include "sheets/ods_sheet.h"
#include "sheets/ole_file.h"
#include "sheets/sheet_fault_of.h"
#include "sheets/xlsx_sheet.h"
#include "sheets/xlsx_workbook.h"
#include "sheets/zip_archive.h"
#include "text/file_path.h"

namespace {

const unsigned char ZipMagic[] = {'P', 'K', 3, 4};
const unsigned char EmptyZipMagic[] = {'P', 'K', 5, 6};
const unsigned char OleMagic[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

bool Starts(const unsigned char* bytes, std::size_t got, const unsigned char* magic,
            std::size_t size) {
    return got >= size && std::memcmp(bytes, magic, size) == 0;
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    const std::size_t last = text.find_last_not_of(" \t\r\n");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

SheetFault ReadOds(ZipArchive& zip, const RowSink& sink) {
    bool encrypted = false;
    const SheetFault fault = ReadOdsEncrypted(zip, encrypted);
    if (fault != SheetFault::None) {
        return fault;
    }
    return encrypted ? SheetFault::Encrypted : ReadOdsRows(zip, sink);
}

bool IsOds(ZipArchive& zip, SheetFault& fault) {
    std::string type;
    if (!zip.Has(OdsContentPart) || !zip.Has(OdsMimetypePart)) {
        return false;
    }
    fault = SheetFaultOf(zip.ReadAll(OdsMimetypePart, type));
    return fault == SheetFault::None && Trimmed(type) == OdsSpreadsheetType;
}

SheetFault ReadZip(const std::string& path, const RowSink& sink) {
    ZipArchive zip(path);
    if (zip.Fault() != ZipFault::None) {
        return SheetFaultOf(zip.Fault());
    }
    if (zip.AnyEncrypted()) {
        return SheetFault::Encrypted;
    }
    if (zip.Has(XlsxWorkbookPart)) {
        return ReadXlsxRows(zip, sink);
    }
    SheetFault fault = SheetFault::None;
    if (IsOds(zip, fault)) {
        return ReadOds(zip, sink);
    }
    return fault != SheetFault::None ? fault : SheetFault::NotSpreadsheet;
}

SheetFault ReadOle(const std::string& path) {
    const FileHandle file(OpenFile(path, "rb"));
    return file && HoldsEncryptedPackage(file.get()) ? SheetFault::Encrypted : SheetFault::OldExcel;
}

} // namespace

FileStart StartOf(std::FILE* file) {
    unsigned char bytes[sizeof OleMagic] = {};
    const std::size_t got = std::fread(bytes, 1, sizeof bytes, file);
    std::rewind(file);
    if (Starts(bytes, got, ZipMagic, sizeof ZipMagic) ||
        Starts(bytes, got, EmptyZipMagic, sizeof EmptyZipMagic)) {
        return FileStart::Zip;
    }
    return Starts(bytes, got, OleMagic, sizeof OleMagic) ? FileStart::Ole : FileStart::Text;
}

SheetFault ReadSheetFile(const std::string& path, FileStart start, const RowSink& sink) {
    switch (start) {
    case FileStart::Zip:
        return ReadZip(path, sink);
    case FileStart::Ole:
        return ReadOle(path);
    case FileStart::Text:
        break;
    }
    return SheetFault::NotSpreadsheet;
}
