#include "ui/main/form_main.h"

#include "ui/progress/progress_box.h"

void TFormMain::BeginProgress(int min, int max) {
    setEnabled(false);
    if (ProgressBox) {
        ProgressBox->show();
        ProgressBox->SetRange(min, max);
    }
}

void TFormMain::StepProgress(int n) {
    if (ProgressBox) {
        ProgressBox->Advance(n);
    }
}

void TFormMain::EndProgress() {
    if (ProgressBox) {
        ProgressBox->hide();
    }
    setEnabled(true);
}
