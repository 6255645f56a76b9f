#include "ui/main/form_main.h"

#include <QHeaderView>
#include <QTableWidget>

#include <vector>

#include "ui/main/article_row.h"
#include "ui/main/grid_rows.h"

namespace {

constexpr int ColumnCount = 5;
constexpr int ColumnWidths[ColumnCount] = {50, 150, 140, 100, 100};
const char* const Headings[ColumnCount] = {"ID", "Naziv", "Barkod", "Cena", "Poreska Stopa"};
constexpr int DefaultColumnWidth = 100;
constexpr int RowHeight = 16;
constexpr int InitialGridRows = 2; // the heading and one empty row

void SetUpGrid(QTableWidget* grid) {
    grid->setColumnCount(ColumnCount);
    QStringList headings;
    for (const char* heading : Headings) {
        headings << QString::fromLatin1(heading);
    }
    grid->setHorizontalHeaderLabels(headings);
    grid->horizontalHeader()->setDefaultSectionSize(DefaultColumnWidth);
    for (int column = 0; column < ColumnCount; ++column) {
        grid->setColumnWidth(column, ColumnWidths[column]);
    }
    grid->horizontalHeader()->setHighlightSections(false);
    grid->verticalHeader()->hide(); // no fixed column
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(RowHeight);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setShowGrid(true);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid->setWordWrap(false);
    SetGridRowCount(grid, InitialGridRows);
}

// Rows follow the index order, one per present entry; a table without any present entry
// leaves the grid exactly as it was. The ID column is the only way back to the entry.
template <typename IdOf> void FillGrid(QTableWidget* grid, const ArticleTable& table, IdOf idOf) {
    std::vector<int> present;
    for (int index = 0; index < ArticleTableSize; ++index) {
        if (IsPresent(table[index])) {
            present.push_back(index);
        }
    }
    if (present.empty()) {
        return;
    }
    SetGridRowCount(grid, static_cast<int>(present.size()) + 1);
    int row = 1;
    for (int index : present) {
        WriteArticleRow(grid, row++, idOf(index), table[index]);
    }
}

} // namespace

void TFormMain::ClearArticlesPC() {
    ClearArticles(ArticlesPC);
}

void TFormMain::ClearArticlesECR() {
    ClearArticles(ArticlesECR);
}

void TFormMain::SetUpGrids() {
    SetUpGrid(StringGridPC);
    SetUpGrid(StringGridECR);
}

void TFormMain::FillGridPC() {
    FillGrid(StringGridPC, ArticlesPC, [](int index) { return index; });
}

void TFormMain::FillGridECR() {
    FillGrid(StringGridECR, ArticlesECR,
             [this](int index) { return ArticlesECR[index].GetThisID(); });
}
