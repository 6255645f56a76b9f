#include "sheets/xlsx_workbook.h"

#include <map>
#include <vector>

#include "sheets/zip_xml_part.h"

namespace {

constexpr char WorkbookRelations[] = "xl/_rels/workbook.xml.rels";
constexpr char WorkbookFolder[] = "xl/";
constexpr char WorksheetType[] = "/worksheet";
constexpr char SharedStringsType[] = "/sharedStrings";
constexpr char StylesType[] = "/styles";

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool IsTrue(const char* value) {
    return value != nullptr && (std::string(value) == "1" || std::string(value) == "true");
}

// The relationship ids of the sheets in workbook order, and the date epoch.
class WorkbookEvents : public XmlEvents {
public:
    std::vector<std::string> SheetIds;
    bool Epoch1904 = false;

    void Start(const char* name, const char** attributes) override {
        if (IsNamed(name, nullptr, "workbookPr")) {
            Epoch1904 = IsTrue(AttributeValue(attributes, nullptr, "date1904"));
        } else if (IsNamed(name, nullptr, "sheet")) {
            const char* id = AttributeValue(attributes, nullptr, "id");
            SheetIds.push_back(id != nullptr ? id : "");
        }
    }
    void End(const char*) override {}
    void Text(const char*, std::size_t) override {}
    bool Done() const override { return false; }
};

struct Relation {
    std::string Type;
    std::string Target;
};

class RelationEvents : public XmlEvents {
public:
    std::map<std::string, Relation> ById;
    std::vector<std::string> Order;

    void Start(const char* name, const char** attributes) override {
        if (!IsNamed(name, nullptr, "Relationship")) {
            return;
        }
        const char* id = AttributeValue(attributes, nullptr, "Id");
        const char* type = AttributeValue(attributes, nullptr, "Type");
        const char* target = AttributeValue(attributes, nullptr, "Target");
        if (id != nullptr && type != nullptr && target != nullptr && ById.count(id) == 0) {
            ById[id] = Relation{type, target};
            Order.push_back(id);
        }
    }
    void End(const char*) override {}
    void Text(const char*, std::size_t) override {}
    bool Done() const override { return false; }
};

// The target of the first relationship of the type, resolved; empty when there is none.
std::string TargetOfType(const RelationEvents& relations, const char* type) {
    for (const std::string& id : relations.Order) {
        const Relation& r = relations.ById.at(id);
        if (EndsWith(r.Type, type)) {
            return ResolvePartName(WorkbookFolder, r.Target);
        }
    }
    return std::string();
}

} // namespace

std::string ResolvePartName(const std::string& folder, const std::string& target) {
    std::string path = !target.empty() && target[0] == '/' ? target.substr(1) : folder + target;
    std::vector<std::string> kept;
    std::size_t at = 0;
    while (at <= path.size()) {
        const std::size_t slash = std::min(path.find('/', at), path.size());
        const std::string segment = path.substr(at, slash - at);
        if (segment == "..") {
            if (!kept.empty()) {
                kept.pop_back();
            }
        } else if (!segment.empty() && segment != ".") {
            kept.push_back(segment);
        }
        at = slash + 1;
    }
    std::string name;
    for (const std::string& segment : kept) {
        name += (name.empty() ? "" : "/") + segment;
    }
    return name;
}

SheetFault FindXlsxParts(ZipArchive& zip, XlsxParts& parts) {
    WorkbookEvents workbook;
    SheetFault fault = ReadXmlPart(zip, XlsxWorkbookPart, workbook);
    if (fault != SheetFault::None) {
        return fault;
    }
    RelationEvents relations;
    fault = zip.Has(WorkbookRelations) ? ReadXmlPart(zip, WorkbookRelations, relations)
                                       : SheetFault::NoWorksheet;
    if (fault != SheetFault::None) {
        return fault;
    }
    parts = XlsxParts();
    parts.Epoch1904 = workbook.Epoch1904;
    for (const std::string& id : workbook.SheetIds) {
        const auto found = relations.ById.find(id);
        if (found != relations.ById.end() && EndsWith(found->second.Type, WorksheetType)) {
            parts.Sheet = ResolvePartName(WorkbookFolder, found->second.Target);
            break;
        }
    }
    if (parts.Sheet.empty() || !zip.Has(parts.Sheet)) {
        return SheetFault::NoWorksheet;
    }
    parts.SharedStrings = TargetOfType(relations, SharedStringsType);
    parts.Styles = TargetOfType(relations, StylesType);
    return SheetFault::None;
}
