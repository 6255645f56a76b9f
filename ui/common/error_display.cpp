#include "ui/common/error_display.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>
#include <utility>

namespace {

const char* const UnknownErrorText = "Nepoznata greska";
const char* const DisplayTitle = "TalonSendPLU";

ErrorDisplay& InstalledDisplay() {
    static ErrorDisplay display;
    return display;
}

} // namespace

void ShowUnhandledError(const QString& text) {
    if (InstalledDisplay()) {
        InstalledDisplay()(text);
        return;
    }
    QMessageBox::critical(QApplication::activeWindow(), QString::fromLatin1(DisplayTitle), text);
}

ErrorDisplay SetErrorDisplay(ErrorDisplay display) {
    return std::exchange(InstalledDisplay(), std::move(display));
}

void ShowCurrentException() {
    try {
        throw;
    } catch (const std::exception& error) {
        ShowUnhandledError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowUnhandledError(QString::fromLatin1(UnknownErrorText));
    }
}

void RunHandler(const std::function<void()>& handler) {
    try {
        handler();
    } catch (...) {
        ShowCurrentException();
    }
}
