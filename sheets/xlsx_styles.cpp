#include "sheets/xlsx_styles.h"

#include <cstdlib>
#include <map>

#include "sheets/sheet_cells.h"
#include "sheets/zip_xml_part.h"

namespace {

int NumberOf(const char* text) {
    return text != nullptr ? std::atoi(text) : 0;
}

class StyleEvents : public XmlEvents {
public:
    std::map<int, std::string> Codes; // custom formats by id
    std::vector<int> FormatIds;       // of each cell style

    void Start(const char* name, const char** attributes) override {
        if (IsNamed(name, nullptr, "numFmt")) {
            const char* code = AttributeValue(attributes, nullptr, "formatCode");
            Codes[NumberOf(AttributeValue(attributes, nullptr, "numFmtId"))] =
                code != nullptr ? code : "";
        } else if (IsNamed(name, nullptr, "cellXfs")) {
            InCellStyles = true;
        } else if (InCellStyles && IsNamed(name, nullptr, "xf")) {
            FormatIds.push_back(NumberOf(AttributeValue(attributes, nullptr, "numFmtId")));
        }
    }
    void End(const char* name) override {
        if (IsNamed(name, nullptr, "cellXfs")) {
            InCellStyles = false;
        }
    }
    void Text(const char*, std::size_t) override {}
    bool Done() const override { return false; }

private:
    bool InCellStyles = false;
};

// The text of each <si>: its <t> elements, those of runs included, but not the <t> of
// a phonetic guide (<rPh>).
class StringEvents : public XmlEvents {
public:
    explicit StringEvents(std::vector<std::string>& strings) : Strings(strings) {}

    void Start(const char* name, const char**) override {
        if (IsNamed(name, nullptr, "si")) {
            Strings.emplace_back();
            InItem = true;
        } else if (IsNamed(name, nullptr, "rPh")) {
            ++Phonetic;
        } else if (IsNamed(name, nullptr, "t")) {
            InText = InItem && Phonetic == 0;
        }
    }
    void End(const char* name) override {
        if (IsNamed(name, nullptr, "si")) {
            InItem = false;
        } else if (IsNamed(name, nullptr, "rPh")) {
            --Phonetic;
        } else if (IsNamed(name, nullptr, "t")) {
            InText = false;
        }
    }
    void Text(const char* data, std::size_t size) override {
        if (InText) {
            AppendCellText(Strings.back(), data, size);
        }
    }
    bool Done() const override { return false; }

private:
    std::vector<std::string>& Strings;
    bool InItem = false;
    bool InText = false;
    int Phonetic = 0;
};

} // namespace

SheetFault ReadXlsxFormats(ZipArchive& zip, const std::string& part,
                           std::vector<NumberFormatKind>& byStyle) {
    byStyle.clear();
    if (part.empty() || !zip.Has(part)) {
        return SheetFault::None;
    }
    StyleEvents styles;
    const SheetFault fault = ReadXmlPart(zip, part, styles);
    for (const int id : styles.FormatIds) {
        const auto code = styles.Codes.find(id);
        byStyle.push_back(FormatKindOf(id, code != styles.Codes.end() ? code->second : ""));
    }
    return fault;
}

SheetFault ReadXlsxStrings(ZipArchive& zip, const std::string& part,
                           std::vector<std::string>& strings) {
    strings.clear();
    if (part.empty() || !zip.Has(part)) {
        return SheetFault::None;
    }
    StringEvents events(strings);
    return ReadXmlPart(zip, part, events);
}
