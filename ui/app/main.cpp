#include <QCoreApplication>

#include <clocale>
#include <memory>

#include "ui/app/application.h"
#include "ui/common/error_display.h"
#include "ui/edit/edit_plu.h"
#include "ui/main/form_main.h"
#include "ui/progress/progress_box.h"

namespace {

const char* const ApplicationTitle = "TalonSendPLU";

// The windows in start-up order; the main window owns the edit dialog.
void CreateWindows() {
    FormMain = new TFormMain;
    ProgressBox = new TProgressBox;
    FormMain->SetProgressBox(ProgressBox);
    EditPLU = new TEditPLU(FormMain);
    FormMain->SetEditDialog(EditPLU);
}

void DestroyWindows() {
    delete ProgressBox;
    ProgressBox = nullptr;
    delete FormMain; // takes the edit dialog with it
    FormMain = nullptr;
    EditPLU = nullptr;
}

} // namespace

int main(int argc, char* argv[]) {
    std::unique_ptr<Application> application;
    try {
        application = std::make_unique<Application>(argc, argv);
        QCoreApplication::setApplicationName(QString::fromLatin1(ApplicationTitle));
        // Qt sets the numeric locale from the environment; prices must always use ".".
        std::setlocale(LC_NUMERIC, "C");
        CreateWindows();
        FormMain->show();
        QCoreApplication::exec();
    } catch (...) {
        if (application) {
            ShowCurrentException();
        }
    }
    DestroyWindows();
    return 0;
}
