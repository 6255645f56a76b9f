#include "ui/main/article_row.h"

#include <QString>

#include "plu/file_decimals.h"
#include "plu/talon_plu_item.h"
#include "text/c_numbers.h"
#include "ui/common/text_convert.h"
#include "ui/main/grid_rows.h"

namespace {

enum ArticleColumn { ColumnID, ColumnName, ColumnBarcode, ColumnPrice, ColumnTaxRate };

} // namespace

void WriteArticleRow(QTableWidget* grid, int gridRow, int id, const TalonPLUItem& item) {
    SetGridCell(grid, gridRow, ColumnID, QString::number(id));
    SetGridCell(grid, gridRow, ColumnName, ToQString(item.GetDescription()));
    SetGridCell(grid, gridRow, ColumnBarcode, ToQString(item.GetCode()));
    SetGridCell(grid, gridRow, ColumnPrice,
                QString::fromStdString(FormatFixed(item.GetPrice(), PriceDecimals)));
    SetGridCell(grid, gridRow, ColumnTaxRate, QString::number(item.GetTaxRate()));
}
