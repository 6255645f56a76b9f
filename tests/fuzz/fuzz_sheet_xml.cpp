#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <zip.h>

#include "articles/article_file.h"

// A zip's checksums keep random bytes from reaching the XML; here the bytes are the
// worksheet of a well-made package instead: the first byte picks an .xlsx ("x") or an
// .ods (anything else), the rest is its sheet1.xml or content.xml.
namespace {

const char Workbook[] =
    "<workbook xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
    "<sheets><sheet r:id=\"rId1\"/></sheets></workbook>";
const char Relations[] =
    "<Relationships><Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/"
    "officeDocument/2006/relationships/worksheet\" Target=\"worksheets/sheet1.xml\"/>"
    "<Relationship Id=\"rId2\" Type=\"x/styles\" Target=\"styles.xml\"/></Relationships>";
const char Styles[] = "<styleSheet><numFmts><numFmt numFmtId=\"164\" formatCode=\"dd.mm.yyyy\"/>"
                      "</numFmts><cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"164\"/>"
                      "<xf numFmtId=\"20\"/></cellXfs></styleSheet>";
const char OdsType[] = "application/vnd.oasis.opendocument.spreadsheet";

void Add(zip_t* archive, const char* name, const void* data, std::size_t size) {
    zip_source_t* source = zip_source_buffer(archive, data, size, 0);
    if (source != nullptr && zip_file_add(archive, name, source, 0) < 0)
        zip_source_free(source);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    static const std::string path = "/tmp/talon-fuzz-sheet-xml-" + std::to_string(getpid());
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (archive == nullptr)
        return 0;
    if (data[0] == 'x') {
        Add(archive, "xl/workbook.xml", Workbook, sizeof Workbook - 1);
        Add(archive, "xl/_rels/workbook.xml.rels", Relations, sizeof Relations - 1);
        Add(archive, "xl/styles.xml", Styles, sizeof Styles - 1);
        Add(archive, "xl/worksheets/sheet1.xml", data + 1, size - 1);
    } else {
        Add(archive, "mimetype", OdsType, sizeof OdsType - 1);
        Add(archive, "content.xml", data + 1, size - 1);
    }
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        return 0;
    }
    static ArticleTable table;
    const LoadOutcome outcome = LoadArticles(path, table);
    if (outcome.Taken > ArticleTableSize - FirstLoadedLocation)
        __builtin_trap();
    return 0;
}
