#pragma once

#include <QStyle>

#include <initializer_list>

class QFrame;
class QPushButton;
class QTableView;
class QWidget;

// The design size of a button; a caption that needs more (a wider font or style) widens it,
// since the layouts never give a control less than its size hint.
constexpr int ButtonWidth = 88;
constexpr int ButtonHeight = 25;

// A button of the window: its objectName, caption (plain ASCII), hint and small picture.
QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, const char* hint,
                        QStyle::StandardPixmap picture, int minimumWidth = ButtonWidth);
// The line between groups of buttons in a column, as wide as the column.
QFrame* MakeSeparator(QWidget* parent);
// A read-only list grid: whole rows selected one at a time, fixed row height and the given
// column widths (the last column takes the rest). Fixed sizes: a view sized to its contents
// would read every line.
void SetUpListGrid(QTableView* grid, std::initializer_list<int> columnWidths, int rowHeight);
