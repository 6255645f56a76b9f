#include "ui/main/page_controls.h"

#include <QFrame>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>

namespace {

constexpr int SeparatorHeight = 4;

} // namespace

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, const char* hint,
                        QStyle::StandardPixmap picture, int minimumWidth) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromLatin1(hint));
    button->setIcon(parent->style()->standardIcon(picture));
    button->setMinimumSize(minimumWidth, ButtonHeight);
    return button;
}

QFrame* MakeSeparator(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedHeight(SeparatorHeight);
    return line;
}

void SetUpListGrid(QTableView* grid, std::initializer_list<int> columnWidths, int rowHeight) {
    grid->horizontalHeader()->setHighlightSections(false);
    grid->horizontalHeader()->setStretchLastSection(true);
    int column = 0;
    for (const int width : columnWidths) {
        grid->setColumnWidth(column++, width);
    }
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid->setWordWrap(false);
}
