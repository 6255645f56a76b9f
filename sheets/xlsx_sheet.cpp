#include "sheets/xlsx_sheet.h"

#include <cstring>
#include <string>
#include <vector>

#include "sheets/sheet_dates.h"
#include "sheets/xlsx_styles.h"
#include "sheets/xlsx_workbook.h"
#include "sheets/zip_xml_part.h"

namespace {

constexpr int Letters = 26;
constexpr std::int64_t MaxReference = std::int64_t(1) << 40; // far past any sheet's size
constexpr char BooleanTrue[] = "TRUE";
constexpr char BooleanFalse[] = "FALSE";

struct SheetContext {
    const std::vector<std::string>& Strings;
    const std::vector<NumberFormatKind>& Formats;
    bool Epoch1904;
};

// A number cell as its style shows it: a date or a time is no number for the loader.
SheetCell StyledNumber(const std::string& raw, std::int64_t style, const SheetContext& context) {
    SheetCell cell = NumberCell(raw);
    const bool styled = cell.Kind == CellKind::Number && style >= 0 &&
                        static_cast<std::size_t>(style) < context.Formats.size();
    if (!styled) {
        return cell;
    }
    switch (context.Formats[static_cast<std::size_t>(style)]) {
    case NumberFormatKind::Date:
        return KindCell(CellKind::Date, SerialDateText(cell.Number, context.Epoch1904, raw));
    case NumberFormatKind::Time:
        return KindCell(CellKind::Time, SerialTimeText(cell.Number, raw));
    case NumberFormatKind::Number:
        break;
    }
    return cell;
}

SheetCell SharedString(const std::string& raw, const SheetContext& context) {
    const SheetCell index = NumberCell(raw);
    if (index.Kind != CellKind::Number || index.Number < 0 ||
        index.Number >= static_cast<double>(context.Strings.size())) {
        return SheetCell();
    }
    return KindCell(CellKind::Text, context.Strings[static_cast<std::size_t>(index.Number)]);
}

// The cell of <c t="type" s="style"> with its <v> and inline text.
SheetCell CellOf(const std::string& type, std::int64_t style, const std::string& value,
                 const std::string& inlineText, const SheetContext& context) {
    if (type == "s") {
        return SharedString(value, context);
    }
    if (type == "str") {
        return KindCell(CellKind::Text, value);
    }
    if (type == "inlineStr") {
        return KindCell(CellKind::Text, inlineText);
    }
    if (type == "b") {
        return KindCell(CellKind::Boolean,
                        value.empty() ? "" : (value == "0" ? BooleanFalse : BooleanTrue));
    }
    if (type == "e") {
        return KindCell(CellKind::Error, value);
    }
    if (type == "d") {
        return KindCell(CellKind::Date, IsoDateText(value));
    }
    return value.empty() ? SheetCell() : StyledNumber(value, style, context);
}

class SheetEvents : public XmlEvents {
public:
    SheetEvents(const SheetContext& context, const RowSink& sink) : Context(context), Sink(sink) {}

    SheetFault Fault = SheetFault::None;

    void Start(const char* name, const char** attributes) override {
        const std::string_view local = LocalName(name);
        if (local == "sheetData") {
            InData = true;
        } else if (InData && local == "row") {
            StartRow(AttributeValue(attributes, nullptr, "r"));
        } else if (InRow && local == "c") {
            StartCell(attributes);
        } else if (InCell && local == "v") {
            Collect = &Value;
        } else if (InCell && local == "rPh") {
            ++Phonetic;
        } else if (InCell && local == "t" && Phonetic == 0) {
            Collect = &Inline;
        }
    }

    void End(const char* name) override {
        const std::string_view local = LocalName(name);
        if (local == "v" || local == "t") {
            Collect = nullptr;
        } else if (local == "rPh") {
            --Phonetic;
        } else if (InCell && local == "c") {
            EndCell();
        } else if (InRow && local == "row") {
            EndRow();
        } else if (local == "sheetData") {
            Finished = true;
        }
    }

    void Text(const char* data, std::size_t size) override {
        if (Collect != nullptr) {
            AppendCellText(*Collect, data, size);
        }
    }

    bool Done() const override { return Finished; }

private:
    void StartRow(const char* number) {
        const std::int64_t next = Row.Number + 1;
        Row = SheetRow();
        Row.Number = number != nullptr ? std::strtoll(number, nullptr, 10) : next;
        if (Row.Number < next || Row.Number > MaxReference) {
            Row.Number = next; // rows come in order; a number out of it is not believed
        }
        NextColumn = 0;
        InRow = true;
    }

    void StartCell(const char** attributes) {
        std::int64_t column = NextColumn;
        std::int64_t row = 0;
        const char* reference = AttributeValue(attributes, nullptr, "r");
        if (reference != nullptr && ReadCellReference(reference, column, row) &&
            column >= NextColumn) {
            NextColumn = column;
        }
        const char* type = AttributeValue(attributes, nullptr, "t");
        const char* style = AttributeValue(attributes, nullptr, "s");
        Type = type != nullptr ? type : "";
        Style = style != nullptr ? std::strtoll(style, nullptr, 10) : -1;
        Value.clear();
        Inline.clear();
        Phonetic = 0;
        InCell = true;
    }

    void EndCell() {
        if (NextColumn < SheetColumns) {
            Row.Cells[static_cast<std::size_t>(NextColumn)] =
                CellOf(Type, Style, Value, Inline, Context);
        }
        ++NextColumn;
        InCell = false;
        Collect = nullptr;
    }

    void EndRow() {
        InRow = false;
        if (IsEmptyRow(Row)) {
            return;
        }
        if (Row.Number > MaxSheetRows) {
            Fault = SheetFault::TooManyRows;
            Finished = true;
        } else if (!Sink(Row, 1)) {
            Finished = true;
        }
    }

    const SheetContext& Context;
    const RowSink& Sink;
    SheetRow Row;
    std::int64_t NextColumn = 0;
    std::string Type;
    std::int64_t Style = -1;
    std::string Value;
    std::string Inline;
    std::string* Collect = nullptr;
    int Phonetic = 0;
    bool InData = false;
    bool InRow = false;
    bool InCell = false;
    bool Finished = false;
};

} // namespace

bool ReadCellReference(const char* reference, std::int64_t& column, std::int64_t& row) {
    std::int64_t c = 0;
    const char* p = reference;
    for (; (*p >= 'A' && *p <= 'Z') || (*p >= 'a' && *p <= 'z'); ++p) {
        const int letter = (*p >= 'a' ? *p - 'a' : *p - 'A') + 1;
        c = c * Letters + letter;
        if (c > MaxReference) {
            return false;
        }
    }
    std::int64_t r = 0;
    const char* digits = p;
    for (; *p >= '0' && *p <= '9'; ++p) {
        r = r * 10 + (*p - '0');
        if (r > MaxReference) {
            return false;
        }
    }
    if (c == 0 || p == digits || *p != '\0') {
        return false;
    }
    column = c - 1;
    row = r;
    return true;
}

SheetFault ReadXlsxRows(ZipArchive& zip, const RowSink& sink) {
    XlsxParts parts;
    SheetFault fault = FindXlsxParts(zip, parts);
    std::vector<NumberFormatKind> formats;
    if (fault == SheetFault::None) {
        fault = ReadXlsxFormats(zip, parts.Styles, formats);
    }
    std::vector<std::string> strings;
    if (fault == SheetFault::None) {
        fault = ReadXlsxStrings(zip, parts.SharedStrings, strings);
    }
    if (fault != SheetFault::None) {
        return fault;
    }
    const SheetContext context{strings, formats, parts.Epoch1904};
    SheetEvents events(context, sink);
    fault = ReadXmlPart(zip, parts.Sheet, events);
    return fault != SheetFault::None ? fault : events.Fault;
}
