#include "ui/main/grid_rows.h"

#include <QTableWidget>

namespace {

// Grid row 0 is the heading, which the Qt table keeps outside its rows.
constexpr int HeadingRows = 1;

int TableRow(int gridRow) {
    return gridRow - HeadingRows;
}

} // namespace

int GridRowCount(const QTableWidget* grid) {
    return grid->rowCount() + HeadingRows;
}

void SetGridRowCount(QTableWidget* grid, int rows) {
    grid->setRowCount(qMax(0, TableRow(rows)));
}

QString GridCell(const QTableWidget* grid, int gridRow, int column) {
    const QTableWidgetItem* cell = grid->item(TableRow(gridRow), column);
    return cell ? cell->text() : QString();
}

void SetGridCell(QTableWidget* grid, int gridRow, int column, const QString& text) {
    QTableWidgetItem* cell = grid->item(TableRow(gridRow), column);
    if (cell) {
        cell->setText(text);
        return;
    }
    cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    grid->setItem(TableRow(gridRow), column, cell);
}

int SelectedGridRow(const QTableWidget* grid) {
    const QList<QTableWidgetItem*> cells = grid->selectedItems();
    if (!cells.isEmpty()) {
        return cells.first()->row() + HeadingRows;
    }
    const QModelIndexList rows = grid->selectionModel()->selectedRows();
    if (!rows.isEmpty()) {
        return rows.first().row() + HeadingRows;
    }
    // Tabbing into the grid makes a row current without selecting it; that row is the
    // one the user sees marked.
    const QModelIndex current = grid->currentIndex();
    return current.isValid() ? current.row() + HeadingRows : 0;
}

void SelectGridRow(QTableWidget* grid, int gridRow) {
    const int row = TableRow(gridRow);
    if (row < 0 || row >= grid->rowCount()) {
        grid->clearSelection();
        grid->setCurrentIndex(QModelIndex()); // no row is current either
        return;
    }
    grid->setCurrentCell(row, 0);
    grid->selectRow(row);
}
