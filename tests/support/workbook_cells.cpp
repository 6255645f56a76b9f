#include "tests/support/workbook_cells.h"

#include <regex>
#include <vector>

#include "tests/support/zip_entries.h"

namespace {

std::string Unescaped(std::string text) {
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& entity : entities) {
        for (std::size_t at = text.find(entity.first); at != std::string::npos;
             at = text.find(entity.first, at + 1)) {
            text.replace(at, std::string(entity.first).size(), entity.second);
        }
    }
    return text;
}

std::vector<std::string> SharedStrings(const std::string& path) {
    std::string xml;
    std::vector<std::string> strings;
    if (!ReadZipEntry(path, "xl/sharedStrings.xml", xml)) {
        return strings;
    }
    static const std::regex Item(R"(<si><t[^>]*>([^<]*)</t></si>)");
    for (std::sregex_iterator it(xml.begin(), xml.end(), Item), end; it != end; ++it) {
        strings.push_back(Unescaped((*it)[1]));
    }
    return strings;
}

} // namespace

std::map<std::string, WrittenCell> WorkbookSheetCells(const std::string& path, int sheet) {
    std::map<std::string, WrittenCell> cells;
    std::string xml;
    const std::string entry = "xl/worksheets/sheet" + std::to_string(sheet) + ".xml";
    if (!ReadZipEntry(path, entry.c_str(), xml)) {
        return cells;
    }
    const std::vector<std::string> strings = SharedStrings(path);
    static const std::regex Cell(
        R"re(<c r="([A-Z]+[0-9]+)"([^>]*?)(?:/>|>(?:<f>([^<]*)</f>)?(?:<v>([^<]*)</v>)?</c>))re");
    for (std::sregex_iterator it(xml.begin(), xml.end(), Cell), end; it != end; ++it) {
        const std::smatch& match = *it;
        WrittenCell cell{match[4], Unescaped(match[3])};
        if (match[2].str().find("t=\"s\"") != std::string::npos) {
            const std::size_t index = std::stoul(cell.Value);
            cell.Value = index < strings.size() ? strings[index] : "?";
        }
        cells[match[1]] = cell;
    }
    return cells;
}
