#include "ui/main/form_main.h"

#include <QApplication>
#include <QCloseEvent>

#include "ui/progress/progress_box.h"

void TFormMain::SetProgressBox(TProgressBox* box) {
    ProgressBox = box;
    if (box) {
        connect(box, &TProgressBox::StopPressed, this, [this] { StopAsked = true; });
    }
}

bool TFormMain::Busy() const {
    return !centralWidget()->isEnabled();
}

void TFormMain::BeginProgress(int min, int max) {
    // Disabling the controls takes the keyboard focus away and enabling them does not give
    // it back: without this the next key (Delete in the grid) would go nowhere.
    FocusBeforeProgress = QApplication::focusWidget();
    if (FocusBeforeProgress && FocusBeforeProgress->window() != this) {
        FocusBeforeProgress = nullptr;
    }
    StopAsked = false; // a press meant for an earlier operation
    // Only the controls: the progress box is a child of the window and would be drawn
    // disabled, its "Prekini" unusable, with the whole window disabled.
    centralWidget()->setEnabled(false);
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

void TFormMain::ShowProgress(int done, int total) {
    if (ProgressBox) {
        ProgressBox->SetPosition(done, total);
    }
}

void TFormMain::EndProgress() {
    if (ProgressBox) {
        ProgressBox->hide();
    }
    centralWidget()->setEnabled(true);
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
    // While an operation runs the window manager can still ask the window to close; the
    // operation would then finish with no window left to show it.
    if (Busy()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}
