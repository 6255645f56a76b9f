// Listing the register's articles, and erasing one of them or all of them.
#include "ui/main/form_main.h"

#include <QPushButton>
#include <QTableWidget>

#include <algorithm>
#include <vector>

#include "ecr/talon_ecr.h"
#include "operations/erase_articles.h"
#include "operations/list_articles.h"
#include "operations/operation_summaries.h"
#include "ui/common/text_convert.h"
#include "ui/main/article_row.h"
#include "ui/main/grid_rows.h"
#include "ui/main/window_sinks.h"

namespace {

constexpr int ColumnID = 0;
constexpr int ColumnName = 1;
constexpr int EmptyGridRows = 2; // heading and one empty row
constexpr int HeadingRows = 1;
const char* const EraseAllQuestion = "Obrisati sve artikle iz kase osim lokacije 1?";
const char* const ListIncompleteLine = "Lista nije potpuna: pritisnite Prikazi";

EraseTarget RowTarget(const QTableWidget* grid, int gridRow) {
    return {GridCell(grid, gridRow, ColumnID).toInt(),
            ToECRString(GridCell(grid, gridRow, ColumnName))};
}

std::vector<EraseTarget> GridTargets(const QTableWidget* grid) {
    std::vector<EraseTarget> targets;
    for (int row = 1; row < GridRowCount(grid); ++row) {
        targets.push_back(RowTarget(grid, row));
    }
    return targets;
}

bool HasPresentArticle(const ArticleTable& table) {
    return std::any_of(table.begin(), table.end(), IsPresent);
}

// The entry that a row shows is the one whose ThisID equals the row's ID.
void ForgetArticle(TFormMain& form, int number) {
    const int index = FindByThisID(form.ArticlesECR, number);
    if (index >= 0) {
        form.ArticlesECR[index] = TalonPLUItem();
    }
}

void EraseSelected(TFormMain& form) {
    form.BeginProgress(0, 1);
    const int row = SelectedGridRow(form.StringGridECR);
    if (row > 0) {
        const EraseTarget target = RowTarget(form.StringGridECR, row);
        WindowLog log(form);
        if (target.Number != ProtectedLocation &&
            EraseOneArticle(*form.ECR, *form.Image, target, log).Erased == 1) {
            ForgetArticle(form, target.Number);
            form.StepProgress(1);
            form.ShowTableECR();
            // The row that took its place, or the new last one: a second Delete erases
            // the neighbour.
            SelectGridRow(form.StringGridECR, qMin(row, GridRowCount(form.StringGridECR) - 1));
        }
    }
    form.EndProgress();
}

} // namespace

void TFormMain::BitBtnListClick() {
    ListOutcome outcome;
    const bool linkHeld = GuardLink([this, &outcome] {
        StringGridECR->hide();
        SetGridRowCount(StringGridECR, EmptyGridRows);
        outcome = ListArticles();
    });
    if (!linkHeld || outcome.Stopped) {
        ShowPartialList();
        return;
    }
    if (outcome.Count > 0) {
        StringGridECR->show();
        BitBtnSave->setEnabled(true);
        BitBtnErase->setEnabled(true);
        BitBtnEraseAll->setEnabled(true);
    }
}

ListOutcome TFormMain::ListArticles() {
    WindowProgress progress(*this);
    WindowLog log(*this);
    const ListOutcome outcome = ::ListArticles(
        *ECR, *Image, ArticlesECR, progress, log, [this](int row, const TalonPLUItem& entry) {
            SetGridRowCount(StringGridECR, row + HeadingRows);
            WriteArticleRow(StringGridECR, row, entry.GetThisID(), entry);
        });
    if (outcome.Stopped) {
        Log(ListStoppedSummary(outcome));
        return outcome;
    }
    ListIncomplete = false;
    Log(ListSummary(outcome));
    return outcome;
}

void TFormMain::BitBtnEraseClick() {
    if (StringGridECR->isHidden()) {
        return; // no row is shown, so none is chosen
    }
    if (!GuardLink([this] { EraseSelected(*this); })) {
        ShowPartialList(); // the register may or may not have erased it
    }
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
    bool stopped = false;
    const bool linkHeld = GuardLink([this, &stopped] {
        WindowProgress progress(*this, HeadingRows);
        WindowLog log(*this);
        const std::vector<EraseTarget> targets = GridTargets(StringGridECR);
        const EraseOutcome outcome = EraseArticleList(
            *ECR, *Image, targets, progress, log,
            [this](const EraseTarget& gone) { ForgetArticle(*this, gone.Number); },
            Reconnect.get());
        stopped = outcome.Stopped || outcome.Blocked;
        if (outcome.Stopped) {
            Log(EraseStoppedSummary(outcome, static_cast<int>(targets.size())));
            return;
        }
        if (!outcome.Blocked) {
            Log(EraseSummary(outcome));
        }
    });
    if (linkHeld && !stopped) {
        BitBtnListClick();
    } else {
        ShowPartialList();
    }
}

void TFormMain::ShowTableECR() {
    if (!HasPresentArticle(ArticlesECR)) {
        StringGridECR->hide();
        return;
    }
    FillGridECR();
    StringGridECR->show();
    BitBtnSave->setEnabled(true);
    BitBtnErase->setEnabled(true);
    BitBtnEraseAll->setEnabled(true);
}

void TFormMain::ShowPartialList() {
    ListIncomplete = true;
    ShowTableECR();
    Log(QString::fromLatin1(ListIncompleteLine));
}
