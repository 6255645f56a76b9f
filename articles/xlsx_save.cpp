#include "articles/xlsx_save.h"

#include "articles/article_columns.h"
#include "plu/file_decimals.h"
#include "plu/finite_value.h"
#include "sheets/workbook_writer.h"
#include "text/c_numbers.h"
#include "text/code_page.h"
#include "text/utf8_text.h"

namespace {

const char* const SheetName = "Artikli";
constexpr double NameWidth = 28;
constexpr double BarcodeWidth = 16;

// The amount as the text file writes it, so that both files hold the same values.
double AsWritten(double value, int decimals) {
    return ReadDouble(FormatFixed(FiniteOrZero(value), decimals).c_str());
}

std::string Utf8(const ECRString& text) {
    return Utf16ToUtf8(Cp1251ToUtf16(text.Text()));
}

// Row 0 holds the titles of the text file's heading line.
void WriteHeading(WorkbookWriter& book) {
    WorkbookWriter::Column column = NameColumn;
    for (const std::string& title : ArticleColumnTitles()) {
        book.Text(0, column++, title);
    }
}

void WriteArticle(WorkbookWriter& book, WorkbookWriter::Row row, const TalonPLUItem& item) {
    book.Text(row, NameColumn, Utf8(item.GetDescription()));
    book.Text(row, BarcodeColumn, Utf8(item.GetCode()), CellFormat::Text);
    book.Number(row, PriceColumn, AsWritten(item.GetPrice(), PriceDecimals),
                CellFormat::TwoDecimals);
    book.Number(row, TaxRateColumn, item.GetTaxRate());
    book.Number(row, DepartmentColumn, item.GetDepartment());
    book.Number(row, ContainerColumn, item.GetContainer());
    book.Number(row, PriceFixedColumn, item.GetPriceFixed() ? 1 : 0);
    book.Number(row, MaxPriceColumn, item.GetMaxPrice() ? 1 : 0);
    book.Number(row, MinPriceColumn, item.GetMinPrice() ? 1 : 0);
    book.Number(row, MeasurementColumn, item.GetMeasurement());
    book.Number(row, QuantityColumn, AsWritten(item.GetQuantitySold(), QuantityDecimals));
    book.Number(row, TurnoverColumn, AsWritten(item.GetTurnover(), TurnoverDecimals));
}

} // namespace

bool SaveArticlesXlsx(const std::string& path, const ArticleTable& table) {
    WorkbookWriter book;
    book.AddSheet(SheetName);
    book.SetColumn(NameColumn, NameWidth);
    book.SetColumn(BarcodeColumn, BarcodeWidth, CellFormat::Text);
    WriteHeading(book);
    WorkbookWriter::Row row = 1;
    for (const TalonPLUItem& item : table) {
        if (item.GetThisID() > 0) {
            WriteArticle(book, row++, item);
        }
    }
    return book.Save(path);
}
