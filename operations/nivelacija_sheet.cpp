#include "operations/nivelacija_sheet.h"

#include "operations/till_name.h"
#include "sheets/workbook_writer.h"
#include "text/c_numbers.h"

namespace {

using Row = WorkbookWriter::Row;
using Column = WorkbookWriter::Column;

const char* const SheetName = "Nivelacija";
const char* const Title = "Nivelacija cena";
const char* const OneTill = "Kasa: ";
const char* const SeveralTills = "Kase: ";
const char* const TillSeparator = ", ";
const char* const NoDate = "-";
const char* const Total = "Ukupno";

enum NivelacijaColumn : Column {
    OrdinalColumn,
    DateColumn,
    TillColumn,
    LocationColumn,
    BarcodeColumn,
    NameColumn,
    TaxRateColumn,
    QuantityColumn,
    OldPriceColumn,
    NewPriceColumn,
    PriceDifferenceColumn,
    OldValueColumn,
    NewValueColumn,
    ValueDifferenceColumn,
    ColumnCount
};

// Each column's heading and width, in characters.
struct ColumnLook {
    const char* Heading;
    double Width;
};

const ColumnLook Columns[ColumnCount] = {{"Rb", 5},
                                         {"Datum", 19},
                                         {"Kasa", 10},
                                         {"Lokacija", 9},
                                         {"Barkod", 15},
                                         {"Naziv", 24},
                                         {"Poreska stopa", 8},
                                         {"Kolicina", 10},
                                         {"Stara cena", 11},
                                         {"Nova cena", 11},
                                         {"Razlika u ceni", 11},
                                         {"Stara vrednost", 13},
                                         {"Nova vrednost", 13},
                                         {"Razlika u vrednosti", 13}};

constexpr Row PeriodRow = 1;
constexpr Row TillsRow = 2;
constexpr Row HeadingRow = 4; // a blank row above it
constexpr Row FirstChangeRow = HeadingRow + 1;

// "J7": the cell as a formula names it.
std::string Cell(Column column, Row row) {
    return std::string(1, static_cast<char>('A' + column)) + std::to_string(row + 1);
}

std::string Difference(Column minuend, Column subtrahend, Row row) {
    return "=" + Cell(minuend, row) + "-" + Cell(subtrahend, row);
}

std::string Product(Column quantity, Column price, Row row) {
    return "=" + Cell(quantity, row) + "*" + Cell(price, row);
}

std::string Sum(Column column, Row first, Row last) {
    return "=SUM(" + Cell(column, first) + ":" + Cell(column, last) + ")";
}

std::string DateOrDash(const std::string& date) {
    return date.empty() ? NoDate : date;
}

void WriteTitle(WorkbookWriter& book, const NivelacijaTitle& title) {
    book.Text(0, 0, Title);
    book.Text(PeriodRow, 0, "od " + DateOrDash(title.From) + " do " + DateOrDash(title.To));
    std::string tills = title.Tills.size() == 1 ? OneTill : SeveralTills;
    for (std::size_t t = 0; t < title.Tills.size(); ++t) {
        tills += (t == 0 ? "" : TillSeparator) + title.Tills[t];
    }
    book.Text(TillsRow, 0, tills);
    for (Column column = 0; column < ColumnCount; ++column) {
        book.Text(HeadingRow, column, Columns[column].Heading);
    }
}

void WriteChange(WorkbookWriter& book, Row row, int ordinal, const PriceChange& change,
                 const std::string& taxRate) {
    const HistoryEntry& line = *change.Line;
    book.Number(row, OrdinalColumn, ordinal);
    book.Text(row, DateColumn, line.Field(TimeField));
    book.Text(row, TillColumn, TillDisplayName(line.Till));
    book.Number(row, LocationColumn, ReadLong(line.Field(LocationField).c_str()));
    book.Text(row, BarcodeColumn, line.Field(BarcodeField), CellFormat::Text);
    book.Text(row, NameColumn, line.Field(NameField));
    if (!taxRate.empty()) {
        book.Number(row, TaxRateColumn, ReadLong(taxRate.c_str()));
    }
    book.Number(row, OldPriceColumn, change.OldPrice, CellFormat::TwoDecimals);
    book.Number(row, NewPriceColumn, change.NewPrice, CellFormat::TwoDecimals);
    // The values until a quantity is typed: no quantity, no value.
    book.Formula(row, PriceDifferenceColumn, Difference(NewPriceColumn, OldPriceColumn, row),
                 change.NewPrice - change.OldPrice, CellFormat::TwoDecimals);
    book.Formula(row, OldValueColumn, Product(QuantityColumn, OldPriceColumn, row), 0,
                 CellFormat::TwoDecimals);
    book.Formula(row, NewValueColumn, Product(QuantityColumn, NewPriceColumn, row), 0,
                 CellFormat::TwoDecimals);
    book.Formula(row, ValueDifferenceColumn, Difference(NewValueColumn, OldValueColumn, row), 0,
                 CellFormat::TwoDecimals);
}

void WriteTotals(WorkbookWriter& book, Row row) {
    book.Text(row, OrdinalColumn, Total);
    for (Column column : {OldValueColumn, NewValueColumn, ValueDifferenceColumn}) {
        if (row == FirstChangeRow) {
            book.Number(row, column, 0, CellFormat::TwoDecimals); // no rows to sum
        } else {
            book.Formula(row, column, Sum(column, FirstChangeRow, row - 1), 0,
                         CellFormat::TwoDecimals);
        }
    }
}

} // namespace

void WriteNivelacijaSheet(WorkbookWriter& book, const NivelacijaTitle& title,
                          const std::vector<PriceChange>& changes, const TaxRateOf& taxRate) {
    book.AddSheet(SheetName);
    for (Column column = 0; column < ColumnCount; ++column) {
        book.SetColumn(column, Columns[column].Width);
    }
    WriteTitle(book, title);
    book.FreezeRowsAbove(FirstChangeRow);
    Row row = FirstChangeRow;
    int ordinal = 0;
    for (const PriceChange& change : changes) {
        WriteChange(book, row++, ++ordinal, change, taxRate(*change.Line));
    }
    WriteTotals(book, row);
}
