#include "operations/changes_sheet.h"

#include "operations/till_name.h"
#include "sheets/workbook_writer.h"
#include "text/c_numbers.h"
#include "text/digits.h"

namespace {

using Row = WorkbookWriter::Row;
using Column = WorkbookWriter::Column;

const char* const SheetName = "Izmene";
const char* const TillTitle = "Kasa";
constexpr Column FirstRecordColumn = 1; // after the till
const double Widths[HistoryFieldCount] = {19, 10, 9, 15, 24, 10, 10, 40};
constexpr double TillWidth = 10;

// "12", "1234.50": what the record writes for a location or a price.
bool IsAmount(const std::string& text) {
    const std::size_t point = text.find('.');
    return AllDigits(text.substr(0, point)) &&
           (point == std::string::npos || AllDigits(text.substr(point + 1)));
}

void WriteField(WorkbookWriter& book, Row row, HistoryField field, const std::string& text) {
    const Column column = FirstRecordColumn + field;
    if (text.empty()) {
        return;
    }
    const bool price = field == OldPriceField || field == NewPriceField;
    if ((price || field == LocationField) && IsAmount(text)) {
        book.Number(row, column, ReadDouble(text.c_str()),
                    price ? CellFormat::TwoDecimals : CellFormat::General);
    } else {
        book.Text(row, column, text,
                  field == BarcodeField ? CellFormat::Text : CellFormat::General);
    }
}

} // namespace

void WriteChangesSheet(WorkbookWriter& book, const std::vector<const HistoryEntry*>& lines) {
    book.AddSheet(SheetName);
    book.SetColumn(0, TillWidth);
    book.Text(0, 0, TillTitle);
    for (int field = 0; field < HistoryFieldCount; ++field) {
        book.SetColumn(FirstRecordColumn + field, Widths[field]);
        book.Text(0, FirstRecordColumn + field, HistoryColumnTitles()[field]);
    }
    book.FreezeRowsAbove(1);
    Row row = 1;
    for (const HistoryEntry* line : lines) {
        book.Text(row, 0, TillDisplayName(line->Till));
        for (int field = 0; field < HistoryFieldCount; ++field) {
            WriteField(book, row, static_cast<HistoryField>(field), line->Fields[field]);
        }
        ++row;
    }
}
