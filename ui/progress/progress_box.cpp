#include "ui/progress/progress_box.h"

#include <QCoreApplication>
#include <QCursor>
#include <QProgressBar>

TProgressBox* ProgressBox = nullptr;

namespace {

const char* const BoxCaption = "Operacija u toku, molimo Vas sacekajte...";
constexpr int ClientWidth = 432;
constexpr int ClientHeight = 43;
constexpr int BarLeft = 8;
constexpr int BarTop = 8;
constexpr int BarWidth = 417;
constexpr int BarHeight = 25;
constexpr int InitialMaximum = 100;

} // namespace

TProgressBox::TProgressBox(QWidget* parent)
    // A title but no buttons: the user cannot close the box while an operation runs.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("ProgressBox"));
    setWindowTitle(QString::fromLatin1(BoxCaption));
    setFixedSize(ClientWidth, ClientHeight);
    setCursor(QCursor(Qt::WaitCursor)); // the hourglass: nothing else can be done meanwhile
    setModal(false);

    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setGeometry(BarLeft, BarTop, BarWidth, BarHeight);
    ProgressBar->setOrientation(Qt::Horizontal);
    ProgressBar->setTextVisible(false);
    ProgressBar->setRange(0, InitialMaximum);
    ProgressBar->setValue(0);
}

void TProgressBox::SetRange(int min, int max) {
    if (max > min && max > 0) {
        ProgressBar->setMinimum(min);
        ProgressBar->setMaximum(max);
        ProgressBar->setValue(min);
    } else {
        hide();
    }
}

void TProgressBox::Advance(int n) {
    if (ProgressBar->value() >= ProgressBar->maximum()) {
        return;
    }
    // Qt ignores a value beyond the range, so a long step stops at the maximum.
    // setValue repaints the bar at once whenever the step changes what it shows; painting
    // it again for steps that change no pixel cost most of a 3000-step examination.
    ProgressBar->setValue(qMin(ProgressBar->value() + n, ProgressBar->maximum()));
    QCoreApplication::processEvents();
}

void TProgressBox::reject() {}
