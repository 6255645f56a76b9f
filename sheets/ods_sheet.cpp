#include "sheets/ods_sheet.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "sheets/sheet_dates.h"
#include "sheets/zip_xml_part.h"

namespace {

constexpr char OfficeSpace[] = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
constexpr char TableSpace[] = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
constexpr char TextSpace[] = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";
constexpr char CalcSpace[] = "urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0";
constexpr char ManifestSpace[] = "urn:oasis:names:tc:opendocument:xmlns:manifest:1.0";
constexpr std::int64_t MaxRepeat = std::int64_t(1) << 40; // far past any sheet's size

std::string Value(const char** attributes, const char* space, const char* local) {
    const char* value = AttributeValue(attributes, space, local);
    return value != nullptr ? value : "";
}

// number-rows-repeated and number-columns-repeated: at least 1.
std::int64_t Repeats(const char** attributes, const char* local) {
    const char* value = AttributeValue(attributes, TableSpace, local);
    const long long n = value != nullptr ? std::strtoll(value, nullptr, 10) : 1;
    return std::clamp<std::int64_t>(n, 1, MaxRepeat);
}

// What a table cell holds, from its attributes (the text comes later, in text:p).
struct CellStart {
    std::string Type;  // office:value-type
    std::string Value; // the attribute that holds the value of that type
    bool Error = false;
};

CellStart ReadCellStart(const char** attributes) {
    CellStart start;
    start.Type = Value(attributes, OfficeSpace, "value-type");
    start.Error = Value(attributes, CalcSpace, "value-type") == "error";
    if (start.Type == "float" || start.Type == "percentage" || start.Type == "currency") {
        start.Value = Value(attributes, OfficeSpace, "value");
    } else if (start.Type == "date") {
        start.Value = Value(attributes, OfficeSpace, "date-value");
    } else if (start.Type == "time") {
        start.Value = Value(attributes, OfficeSpace, "time-value");
    } else if (start.Type == "boolean") {
        start.Value = Value(attributes, OfficeSpace, "boolean-value");
    } else if (start.Type == "string") {
        start.Value = Value(attributes, OfficeSpace, "string-value");
    }
    return start;
}

// The cell from its stored value, never from the text it shows (but for a text or error).
SheetCell CellOf(const CellStart& start, const std::string& shown) {
    if (start.Error) {
        return KindCell(CellKind::Error, shown);
    }
    if (start.Type == "float" || start.Type == "percentage" || start.Type == "currency") {
        return start.Value.empty() ? KindCell(CellKind::Text, shown) : NumberCell(start.Value);
    }
    if (start.Type == "date") {
        return KindCell(CellKind::Date, IsoDateText(start.Value));
    }
    if (start.Type == "time") {
        return KindCell(CellKind::Time, IsoTimeText(start.Value));
    }
    if (start.Type == "boolean") {
        return KindCell(CellKind::Boolean,
                        start.Value.empty() ? "" : (start.Value == "true" ? "TRUE" : "FALSE"));
    }
    return KindCell(CellKind::Text,
                    start.Type == "string" && !start.Value.empty() ? start.Value : shown);
}

bool IsCell(const char* name) {
    return IsNamed(name, TableSpace, "table-cell") ||
           IsNamed(name, TableSpace, "covered-table-cell");
}

class ContentEvents : public XmlEvents {
public:
    explicit ContentEvents(const RowSink& sink) : Sink(sink) {}

    SheetFault Fault = SheetFault::None;

    void Start(const char* name, const char** attributes) override {
        if (InCell) {
            StartInCell(name, attributes);
        } else if (IsNamed(name, TableSpace, "table")) {
            ++TableDepth;
        } else if (TableDepth == 1 && IsNamed(name, TableSpace, "table-row")) {
            Row = SheetRow();
            RowRepeats = Repeats(attributes, "number-rows-repeated");
            NextColumn = 0;
        } else if (TableDepth == 1 && IsCell(name)) {
            Cell = ReadCellStart(attributes);
            CellRepeats = Repeats(attributes, "number-columns-repeated");
            Shown.clear();
            Paragraphs = 0;
            InParagraph = 0;
            Annotation = 0;
            NestedCells = 0;
            InCell = true;
        }
    }

    void End(const char* name) override {
        if (InCell) {
            EndInCell(name);
        } else if (IsNamed(name, TableSpace, "table")) {
            Finished = Finished || --TableDepth == 0; // the first table is read
        } else if (TableDepth == 1 && IsNamed(name, TableSpace, "table-row")) {
            EndRow();
        }
    }

    void Text(const char* data, std::size_t size) override {
        if (InCell && InParagraph > 0 && Annotation == 0) {
            AppendCellText(Shown, data, size);
        }
    }

    bool Done() const override { return Finished; }

private:
    // Inside a cell: its paragraphs, spans, spaces, tabs and line breaks make its text; a
    // comment (office:annotation) is no part of it.
    void StartInCell(const char* name, const char** attributes) {
        if (IsCell(name)) {
            ++NestedCells; // a table inside the cell
        } else if (IsNamed(name, OfficeSpace, "annotation")) {
            ++Annotation;
        } else if (Annotation > 0) {
            return;
        } else if (IsNamed(name, TextSpace, "p")) {
            if (Paragraphs++ > 0) {
                AppendCellText(Shown, "\n", 1);
            }
            ++InParagraph;
        } else if (InParagraph > 0 && IsNamed(name, TextSpace, "s")) {
            const char* count = AttributeValue(attributes, TextSpace, "c");
            const long long n = count != nullptr ? std::strtoll(count, nullptr, 10) : 1;
            const auto spaces = static_cast<std::size_t>(
                std::clamp<long long>(n, 1, static_cast<long long>(MaxCellBytes)));
            AppendCellText(Shown, std::string(spaces, ' ').c_str(), spaces);
        } else if (InParagraph > 0 && IsNamed(name, TextSpace, "tab")) {
            AppendCellText(Shown, "\t", 1);
        } else if (InParagraph > 0 && IsNamed(name, TextSpace, "line-break")) {
            AppendCellText(Shown, "\n", 1);
        }
    }

    void EndInCell(const char* name) {
        if (IsCell(name)) {
            if (NestedCells > 0) {
                --NestedCells;
            } else {
                EndCell();
            }
        } else if (IsNamed(name, OfficeSpace, "annotation")) {
            --Annotation;
        } else if (Annotation == 0 && IsNamed(name, TextSpace, "p")) {
            --InParagraph;
        }
    }

    void EndCell() {
        InCell = false;
        if (NextColumn < SheetColumns) {
            const SheetCell cell = CellOf(Cell, Shown);
            const std::int64_t last =
                std::min<std::int64_t>(NextColumn + CellRepeats, SheetColumns);
            for (std::int64_t c = NextColumn; c < last; ++c) {
                Row.Cells[static_cast<std::size_t>(c)] = cell;
            }
        }
        NextColumn = std::min(NextColumn + CellRepeats, MaxRepeat);
    }

    // A row that holds something is handed on with its repeats; an empty one is only
    // counted, as Calc repeats its empty rows to the end of the sheet.
    void EndRow() {
        const std::int64_t first = RowsBefore + 1;
        RowsBefore = std::min(RowsBefore + RowRepeats, MaxRepeat);
        if (IsEmptyRow(Row)) {
            return;
        }
        if (RowsBefore > MaxSheetRows) {
            Fault = SheetFault::TooManyRows;
            Finished = true;
            return;
        }
        Row.Number = first;
        Finished = !Sink(Row, RowsBefore - first + 1);
    }

    const RowSink& Sink;
    int TableDepth = 0;
    std::int64_t RowsBefore = 0;
    SheetRow Row;
    std::int64_t RowRepeats = 1;
    std::int64_t NextColumn = 0;
    CellStart Cell;
    std::int64_t CellRepeats = 1;
    std::string Shown;
    int Paragraphs = 0;
    int InParagraph = 0;
    int Annotation = 0;
    int NestedCells = 0;
    bool InCell = false;
    bool Finished = false;
};

class ManifestEvents : public XmlEvents {
public:
    bool Encrypted = false;

    void Start(const char* name, const char**) override {
        Encrypted = Encrypted || IsNamed(name, ManifestSpace, "encryption-data");
    }
    void End(const char*) override {}
    void Text(const char*, std::size_t) override {}
    bool Done() const override { return Encrypted; }
};

} // namespace

SheetFault ReadOdsEncrypted(ZipArchive& zip, bool& encrypted) {
    encrypted = false;
    if (!zip.Has(OdsManifestPart)) {
        return SheetFault::None;
    }
    ManifestEvents manifest;
    const SheetFault fault = ReadXmlPart(zip, OdsManifestPart, manifest);
    encrypted = manifest.Encrypted;
    return fault;
}

SheetFault ReadOdsRows(ZipArchive& zip, const RowSink& sink) {
    ContentEvents events(sink);
    const SheetFault fault = ReadXmlPart(zip, OdsContentPart, events);
    return fault != SheetFault::None ? fault : events.Fault;
}
