// F1: the user guide in the system's browser.
#include "ui/main/form_main.h"

#include <QDir>
#include <QUrl>

#include "ui/main/user_guide.h"

namespace {

const char* const GuideMissingLine = "Uputstvo nije pronadjeno: nema fajla %1";
const char* const GuideNotOpenedLine = "Uputstvo %1 nije moguce otvoriti";

} // namespace

void TFormMain::OpenUserGuide() {
    const QString guide = FindUserGuide(ProgramFolder);
    if (guide.isEmpty()) {
        const QString expected = QDir::toNativeSeparators(InstalledUserGuide(ProgramFolder));
        Log(QString::fromLatin1(GuideMissingLine).arg(expected));
        return;
    }
    if (!OpenDocument || !OpenDocument(QUrl::fromLocalFile(guide))) {
        Log(QString::fromLatin1(GuideNotOpenedLine).arg(QDir::toNativeSeparators(guide)));
    }
}
