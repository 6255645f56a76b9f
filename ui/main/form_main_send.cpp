// Sending the PC article list to the register, one write per grid row.
#include "ui/main/form_main.h"

#include <QTableWidget>

#include "ecr/talon_ecr.h"
#include "serial/ecr_error.h"
#include "ui/main/grid_rows.h"

namespace {

constexpr int ColumnID = 0;
constexpr int ColumnName = 1;

bool IsTableIndex(int location) {
    return location >= 0 && location < ArticleTableSize;
}

// Writes one row's article; a refusal or a broken link is reported under its name.
void SendRow(TFormMain& form, int gridRow) {
    const int location = GridCell(form.StringGridPC, gridRow, ColumnID).toInt();
    const QString name = GridCell(form.StringGridPC, gridRow, ColumnName);
    if (!IsTableIndex(location)) {
        return; // the grid only ever shows table indices
    }
    std::int32_t code = 0;
    try {
        code = form.ECR->WriteArticle(form.ArticlesPC[location], location);
    } catch (const ECRError&) {
        form.Log(name);
        throw;
    }
    if (code != 0) {
        form.Log(name);
        form.LogError();
    }
}

} // namespace

void TFormMain::BitBtnSendClick() {
    GuardLink([this] {
        const int rows = GridRowCount(StringGridPC);
        BeginProgress(0, rows - 1);
        for (int row = 1; row < rows; ++row) {
            SendRow(*this, row);
            StepProgress(1);
        }
        EndProgress();
    });
}
