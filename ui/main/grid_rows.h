#pragma once

#include <QString>

class QTableWidget;

// The grids count their heading as row 0, as the register's program always did; the Qt
// table keeps the headings in its horizontal header, so grid row r is table row r - 1.
// These helpers speak in grid rows so the operations read like the rules they follow.

// Rows including the heading row: the table's row count plus one.
int GridRowCount(const QTableWidget* grid);
// Sets the count including the heading row; counts below 1 leave only the heading.
void SetGridRowCount(QTableWidget* grid, int rows);
// The text of a data cell; empty for the heading row, a missing row or a missing cell.
QString GridCell(const QTableWidget* grid, int gridRow, int column);
// Writes a data cell (grid row 1 or more), read-only for the user; the row must exist.
void SetGridCell(QTableWidget* grid, int gridRow, int column, const QString& text);
// The selected data row as a grid row; without a selection the current row; 0 when there
// is neither.
int SelectedGridRow(const QTableWidget* grid);
// Selects a whole data row and makes it current; 0 or a missing row clears the selection
// and the current row.
void SelectGridRow(QTableWidget* grid, int gridRow);
