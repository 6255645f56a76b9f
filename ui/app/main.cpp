#include <QCoreApplication>

#include <clocale>
#include <memory>

#include "ui/app/application.h"
#include "ui/common/error_display.h"
#include "ui/main/form_main.h"

namespace {

const char* const ApplicationTitle = "TalonSendPLU";

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
