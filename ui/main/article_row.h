#pragma once

class QTableWidget;
class TalonPLUItem;

// Writes the five cells of one article row (ID, name, barcode, price, tax rate) as both
// grids show them; the row (a grid row, heading = 0) must exist.
void WriteArticleRow(QTableWidget* grid, int gridRow, int id, const TalonPLUItem& item);
