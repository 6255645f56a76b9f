// Arranging the PC list by barcode and examining it for duplicate names and barcodes.
#include "ui/main/form_main.h"

#include "articles/arrange.h"
#include "articles/duplicates.h"
#include "operations/arrange_for_register.h"
#include "ui/main/grid_rows.h"

namespace {

constexpr int EmptyGridRows = 2; // heading and one empty row

} // namespace

void TFormMain::BitBtnSortClick() {
    // A broken link during the status request leaves the table and its grid as they were.
    bool arranged = false;
    GuardLink([this, &arranged] {
        ArrangeByBarcode();
        arranged = true;
    });
    if (!arranged) {
        return;
    }
    SetGridRowCount(StringGridPC, EmptyGridRows);
    FillGridPC();
}

void TFormMain::ArrangeByBarcode() {
    ArrangeForRegister(*ECR, ArticlesPC);
}

void TFormMain::BitBtnExamineClick() {
    BeginProgress(0, ExamineSteps);
    ExamineDuplicates(
        ArticlesPC, [this](const ECRString& line) { Log(line); }, [this] { StepProgress(1); });
    EndProgress();
}
