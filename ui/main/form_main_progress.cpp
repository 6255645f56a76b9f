#include "ui/main/form_main.h"

#include <QCloseEvent>

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

void TFormMain::closeEvent(QCloseEvent* event) {
    // While an operation runs the window is disabled, yet the window manager can still
    // ask it to close; the operation would then finish with no window left to show it.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}
