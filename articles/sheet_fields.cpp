#include "articles/sheet_fields.h"

#include <charconv>
#include <cmath>

#include "text/code_page.h"
#include "text/utf8_text.h"

namespace {

constexpr std::size_t NameColumn = 0;
constexpr std::size_t BarcodeColumn = 1;
constexpr std::size_t NumberChars = 400; // the longest fixed form of a double, and more
constexpr unsigned char FirstPrintable = 0x20;

// The value in plain decimals, never in exponent form: the shortest that reads back to
// the same double.
std::string PlainDecimals(double value) {
    char text[NumberChars];
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return error == std::errc() ? std::string(text, end) : std::string();
}

ECRString Windows1251(std::string text) {
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < FirstPrintable) {
            c = ' ';
        }
    }
    return ECRString(Utf16ToCp1251(Utf8ToUtf16(text)).c_str());
}

// The field's text, and whether the cell can give no number for the column.
std::string FieldText(const SheetCell& cell, std::size_t column, bool& notNumber) {
    notNumber = false;
    switch (cell.Kind) {
    case CellKind::Empty:
        return std::string();
    case CellKind::Text:
        return cell.Text;
    case CellKind::Number:
        if (column == BarcodeColumn && std::trunc(cell.Number) != cell.Number) {
            notNumber = true;
            return cell.Text;
        }
        return PlainDecimals(cell.Number);
    case CellKind::Date:
    case CellKind::Time:
    case CellKind::Boolean:
    case CellKind::Error:
        break;
    }
    notNumber = column != NameColumn && column != BarcodeColumn;
    return cell.Text;
}

} // namespace

LineFields SheetLineFields(const SheetRow& row) {
    LineFields fields;
    for (std::size_t k = 0; k < fields.Texts.size(); ++k) {
        bool notNumber = false;
        fields.Texts[k] = Windows1251(FieldText(row.Cells[k], k, notNumber));
        fields.NotNumber[k] = notNumber;
    }
    fields.Name = fields.Texts[NameColumn];
    return fields;
}
