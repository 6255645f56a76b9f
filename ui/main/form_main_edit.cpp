// Editing one register article: the register is written first, the table and the grid
// follow only when it accepted the change.
#include "ui/main/form_main.h"

#include <QTableWidget>

#include "ecr/talon_ecr.h"
#include "operations/write_article.h"
#include "ui/common/error_display.h"
#include "ui/edit/edit_plu.h"
#include "ui/main/article_row.h"
#include "ui/main/grid_rows.h"
#include "ui/main/window_sinks.h"

namespace {

constexpr int ColumnID = 0;

// The entry a row shows: the one whose ThisID is the row's ID; -1 for the protected
// location, an empty row or an ID the table does not hold.
int EditableEntry(const TFormMain& form, int gridRow) {
    if (gridRow < 1) {
        return -1;
    }
    const int id = GridCell(form.StringGridECR, gridRow, ColumnID).toInt();
    if (id <= ProtectedLocation) {
        return -1;
    }
    return FindByThisID(form.ArticlesECR, id);
}

void WriteEdited(TFormMain& form, const TalonPLUItem& edited, int index, int gridRow) {
    WindowLog log(form);
    form.BeginProgress(0, 1);
    const EditOutcome outcome = WriteEditedArticle(*form.ECR, *form.Image, edited, log);
    if (!outcome.Blocked && outcome.Code == 0) {
        form.ArticlesECR[index] = edited;
        form.StepProgress(1);
        WriteArticleRow(form.StringGridECR, gridRow, edited.GetThisID(), edited);
    }
    form.EndProgress();
}

} // namespace

void TFormMain::StringGridECRDblClick() {
    const int row = SelectedGridRow(StringGridECR);
    const int index = EditableEntry(*this, row);
    if (index < 0 || EditPLU == nullptr || !Image) {
        return;
    }
    EditPLU->FillFrom(ArticlesECR[index]);
    if (!RunEditDialog || !RunEditDialog()) {
        return;
    }
    const TalonPLUItem* edited = nullptr;
    try {
        edited = EditPLU->TakeEdits();
    } catch (const EditConversionError& error) {
        ShowUnhandledError(QString::fromStdString(error.what()));
        return;
    }
    const TalonPLUItem article = *edited;
    GuardLink([this, &article, index, row] { WriteEdited(*this, article, index, row); });
}
