#include "ui/app/application.h"

#include "ui/common/error_display.h"
#include "ui/edit/edit_plu.h"
#include "ui/main/form_main.h"
#include "ui/progress/progress_box.h"

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowCurrentException();
    }
    return false;
}

void CreateWindows() {
    FormMain = new TFormMain;
    // A child of the main window, so it stays over it and goes with it.
    ProgressBox = new TProgressBox(FormMain);
    FormMain->SetProgressBox(ProgressBox);
    EditPLU = new TEditPLU(FormMain);
    FormMain->SetEditDialog(EditPLU);
}

void DestroyWindows() {
    delete FormMain; // takes the progress box and the edit dialog with it
    FormMain = nullptr;
    ProgressBox = nullptr;
    EditPLU = nullptr;
}
