// Listing the register's articles, and erasing one of them or all of them.
#include "ui/main/form_main.h"

#include <QPushButton>
#include <QTableWidget>

#include "ecr/talon_ecr.h"
#include "serial/ecr_error.h"
#include "ui/main/article_row.h"
#include "ui/main/grid_rows.h"

namespace {

constexpr int ColumnID = 0;
constexpr int ColumnName = 1;
constexpr int EmptyGridRows = 2; // heading and one empty row
constexpr int FirstRequest = 0;
const char* const EraseAllQuestion = "Obrisati sve artikle iz kase osim lokacije 1?";

// A register that names a location outside the table, or one that does not grow, would
// make the listing write outside the table or run for ever; either ends it.
bool ListingGoesOn(int asked, int next) {
    return next > 0 && next < ArticleTableSize && next > asked;
}

// Erases the article of one grid row; a refusal or a broken link is reported under its
// name. True when the register erased it.
bool EraseRow(TFormMain& form, int gridRow) {
    const int number = GridCell(form.StringGridECR, gridRow, ColumnID).toInt();
    const QString name = GridCell(form.StringGridECR, gridRow, ColumnName);
    bool erased = false;
    try {
        erased = form.EraseArticle(number);
    } catch (const ECRError&) {
        form.Log(name);
        throw;
    }
    if (!erased) {
        form.Log(name);
        form.LogError();
    }
    return erased;
}

bool IsProtectedRow(const TFormMain& form, int gridRow) {
    return GridCell(form.StringGridECR, gridRow, ColumnID).toInt() == ProtectedLocation;
}

// The entry that a row shows is the one whose ThisID equals the row's ID.
void ForgetArticle(TFormMain& form, int gridRow) {
    const int number = GridCell(form.StringGridECR, gridRow, ColumnID).toInt();
    const int index = FindByThisID(form.ArticlesECR, number);
    if (index >= 0) {
        form.ArticlesECR[index] = TalonPLUItem();
    }
}

void EraseSelected(TFormMain& form) {
    form.BeginProgress(0, 1);
    const int row = SelectedGridRow(form.StringGridECR);
    if (row > 0 && !IsProtectedRow(form, row) && EraseRow(form, row)) {
        ForgetArticle(form, row);
        form.StepProgress(1);
        form.FillGridECR();
        SelectGridRow(form.StringGridECR, row - 1); // above the first row: no selection
    }
    form.EndProgress();
}

void EraseListed(TFormMain& form) {
    const int rows = GridRowCount(form.StringGridECR);
    form.BeginProgress(0, rows);
    for (int row = 1; row < rows; ++row) {
        if (!IsProtectedRow(form, row)) {
            EraseRow(form, row);
        }
        form.StepProgress(1);
    }
    form.EndProgress();
}

} // namespace

void TFormMain::BitBtnListClick() {
    GuardLink([this] {
        StringGridECR->hide();
        SetGridRowCount(StringGridECR, EmptyGridRows);
        if (!ListArticles()) {
            return;
        }
        StringGridECR->show();
        BitBtnSave->setEnabled(true);
        BitBtnErase->setEnabled(true);
        BitBtnEraseAll->setEnabled(true);
    });
}

bool TFormMain::ListArticles() {
    ClearArticlesECR();
    ECR->RequestStatus();
    const int count = ECR->GetStatusItem().GetArticles();
    BeginProgress(0, count);
    int asked = FirstRequest;
    for (int row = 1;; ++row) {
        TalonPLUItem& entry = ArticlesECR[asked];
        const int next = ECR->ReadArticle(asked, entry);
        SetGridRowCount(StringGridECR, row + 1);
        WriteArticleRow(StringGridECR, row, entry.GetThisID(), entry);
        StepProgress(1);
        if (!ListingGoesOn(asked, next)) {
            break;
        }
        asked = next;
    }
    EndProgress();
    return count > 0;
}

void TFormMain::BitBtnEraseClick() {
    GuardLink([this] { EraseSelected(*this); });
}

void TFormMain::StringGridECRKeyUp(int key, Qt::KeyboardModifiers /*modifiers*/) {
    if (key == Qt::Key_Delete) {
        BitBtnEraseClick();
    }
}

void TFormMain::BitBtnEraseAllClick() {
    if (!Confirm(QString::fromLatin1(EraseAllQuestion))) {
        return;
    }
    bool erased = false;
    GuardLink([this, &erased] {
        EraseListed(*this);
        erased = true;
    });
    if (erased) {
        BitBtnListClick();
    }
}

bool TFormMain::EraseArticle(int number) {
    return ECR->DeleteArticle(number) == 0;
}
