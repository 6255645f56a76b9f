#include "ui/main/form_main.h"

#include <QApplication>
#include <QCloseEvent>

#include "ui/progress/progress_box.h"

void TFormMain::BeginProgress(int min, int max) {
    // Disabling the window takes the keyboard focus away and enabling it does not give it
    // back: without this the next key (Delete in the grid) would go nowhere.
    FocusBeforeProgress = QApplication::focusWidget();
    if (FocusBeforeProgress && FocusBeforeProgress->window() != this) {
        FocusBeforeProgress = nullptr;
    }
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
    RestoreFocus();
}

void TFormMain::RestoreFocus() {
    QWidget* focus = FocusBeforeProgress;
    FocusBeforeProgress = nullptr;
    if (focus == nullptr || !focus->isVisible() || !focus->isEnabled()) {
        return;
    }
    activateWindow();
    focus->setFocus(Qt::OtherFocusReason);
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
