#pragma once

#include <stdexcept>
#include <string>
#include <vector>
#include <zip.h>

#include "article_test_files.h"

// Small workbooks made in the tests: the parts' XML as strings, zipped with libzip.

struct ZipEntry {
    std::string Name;
    std::string Content;
};

// `stored`: the entries are not compressed, so that a test can find and change them.
inline void WriteZip(const std::string& path, const std::vector<ZipEntry>& entries,
                     bool stored = false) {
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (archive == nullptr) {
        throw std::runtime_error("cannot make " + path);
    }
    for (const ZipEntry& entry : entries) {
        zip_source_t* source =
            zip_source_buffer(archive, entry.Content.data(), entry.Content.size(), 0);
        const zip_int64_t index =
            source != nullptr ? zip_file_add(archive, entry.Name.c_str(), source, 0) : -1;
        if (index < 0) {
            zip_source_free(source);
            zip_discard(archive);
            throw std::runtime_error("cannot add " + entry.Name);
        }
        if (stored) {
            zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
        }
    }
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        throw std::runtime_error("cannot write " + path);
    }
}

// Sets the "encrypted" flag of every entry, in its local header and the central directory.
inline void MarkEncrypted(const std::string& path) {
    std::string bytes = ReadBytes(path);
    const std::pair<std::string, std::size_t> headers[] = {{std::string("PK\x03\x04", 4), 6},
                                                           {std::string("PK\x01\x02", 4), 8}};
    for (const auto& [magic, flagAt] : headers) {
        for (std::size_t at = bytes.find(magic); at != std::string::npos;
             at = bytes.find(magic, at + 1)) {
            bytes[at + flagAt] = static_cast<char>(bytes[at + flagAt] | 1);
        }
    }
    WriteBytes(path, bytes);
}

constexpr char SheetMain[] = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";

// Cell styles of XlsxEntries: 0 General, 1 built-in date (14), 2 dd.mm.yyyy, 3 built-in
// time (20), 4 a number whose quoted suffix holds a d, 5 [Red]0.00, 6 text (@).
inline std::string XlsxStyles() {
    return std::string("<styleSheet xmlns=\"") + SheetMain +
           "\"><numFmts count=\"4\">"
           "<numFmt numFmtId=\"164\" formatCode=\"dd\\.mm\\.yyyy\"/>"
           "<numFmt numFmtId=\"165\" formatCode=\"0.00&quot; dana&quot;\"/>"
           "<numFmt numFmtId=\"166\" formatCode=\"[Red]0.00\"/>"
           "<numFmt numFmtId=\"167\" formatCode=\"@\"/></numFmts>"
           "<cellStyleXfs count=\"1\"><xf numFmtId=\"14\"/></cellStyleXfs>"
           "<cellXfs count=\"7\"><xf numFmtId=\"0\"/><xf numFmtId=\"14\"/><xf numFmtId=\"164\"/>"
           "<xf numFmtId=\"20\"/><xf numFmtId=\"165\"/><xf numFmtId=\"166\"/>"
           "<xf numFmtId=\"167\"/></cellXfs></styleSheet>";
}

// Shared strings of XlsxEntries: 0 "Artikal", 1 "0100", 2 "Mleko" in two runs with a
// phonetic guide, 3 "12,50".
inline std::string XlsxStrings() {
    return std::string("<sst xmlns=\"") + SheetMain +
           "\"><si><t>Artikal</t></si><si><t>0100</t></si>"
           "<si><r><t>Mle</t></r><r><rPr><b/></rPr><t>ko</t></r><rPh><t>X</t></rPh></si>"
           "<si><t>12,50</t></si></sst>";
}

// An .xlsx whose first worksheet holds a heading row and then `rows` (<row> elements).
inline std::vector<ZipEntry> XlsxEntries(const std::string& rows, bool epoch1904 = false) {
    const std::string workbook =
        std::string("<workbook xmlns=\"") + SheetMain +
        "\" xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">" +
        (epoch1904 ? "<workbookPr date1904=\"1\"/>" : "") +
        "<sheets><sheet name=\"Cenovnik\" sheetId=\"1\" r:id=\"rId2\"/>"
        "<sheet name=\"Drugi\" sheetId=\"2\" r:id=\"rId3\"/></sheets></workbook>";
    const std::string type = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    const std::string relations =
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\"" +
        type +
        "styles\" Target=\"styles.xml\"/>"
        "<Relationship Id=\"rId2\" Type=\"" +
        type +
        "worksheet\" Target=\"worksheets/sheet1.xml\"/>"
        "<Relationship Id=\"rId3\" Type=\"" +
        type +
        "worksheet\" Target=\"/xl/worksheets/sheet2.xml\"/>"
        "<Relationship Id=\"rId4\" Type=\"" +
        type +
        "sharedStrings\" Target=\"sharedStrings.xml\"/>"
        "</Relationships>";
    const std::string heading = "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>Naziv</t></is></c>"
                                "<c r=\"B1\" t=\"inlineStr\"><is><t>Barkod</t></is></c></row>";
    const std::string second = "<row r=\"2\"><c r=\"A2\" t=\"inlineStr\"><is><t>Drugi list</t>"
                               "</is></c><c r=\"B2\"><v>1</v></c><c r=\"C2\"><v>1</v></c></row>";
    return {
        {"[Content_Types].xml", "<Types/>"},
        {"xl/workbook.xml", workbook},
        {"xl/_rels/workbook.xml.rels", relations},
        {"xl/styles.xml", XlsxStyles()},
        {"xl/sharedStrings.xml", XlsxStrings()},
        {"xl/worksheets/sheet1.xml", std::string("<worksheet xmlns=\"") + SheetMain +
                                         "\"><sheetData>" + heading + rows +
                                         "</sheetData></worksheet>"},
        {"xl/worksheets/sheet2.xml", std::string("<worksheet xmlns=\"") + SheetMain +
                                         "\"><sheetData>" + second + "</sheetData></worksheet>"},
    };
}

constexpr char OdsNamespaces[] =
    "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
    "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
    "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
    "xmlns:calcext=\"urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0\"";

// An .ods whose first table holds a heading row and then `rows` (table:table-row
// elements), followed by Calc's empty rows to the end of the sheet; a second table
// follows.
inline std::vector<ZipEntry> OdsEntries(const std::string& rows) {
    const std::string heading = "<table:table-row><table:table-cell office:value-type=\"string\">"
                                "<text:p>Naziv</text:p></table:table-cell></table:table-row>";
    const std::string second =
        "<table:table table:name=\"Drugi\"><table:table-row><table:table-cell "
        "office:value-type=\"string\"><text:p>Drugi list</text:p></table:table-cell>"
        "<table:table-cell table:number-columns-repeated=\"2\" office:value-type=\"float\" "
        "office:value=\"1\"/></table:table-row></table:table>";
    const std::string content =
        std::string("<office:document-content ") + OdsNamespaces +
        "><office:body><office:spreadsheet><table:table table:name=\"Cenovnik\">"
        "<table:table-column table:number-columns-repeated=\"16384\"/>" +
        heading + rows +
        "<table:table-row table:number-rows-repeated=\"1048500\"><table:table-cell "
        "table:number-columns-repeated=\"16384\"/></table:table-row></table:table>" +
        second + "</office:spreadsheet></office:body></office:document-content>";
    return {
        {"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
        {"META-INF/manifest.xml",
         "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\">"
         "<manifest:file-entry manifest:full-path=\"content.xml\" "
         "manifest:media-type=\"text/xml\"/>"
         "</manifest:manifest>"},
        {"content.xml", content},
    };
}
