#include "ui/progress/progress_box.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QCursor>
#include <QProgressBar>
#include <QPushButton>

TProgressBox* ProgressBox = nullptr;

namespace {

const char* const BoxCaption = "Operacija u toku, molimo Vas sacekajte...";
const char* const StopCaption = "Prekini";
constexpr int ClientWidth = 432;
constexpr int BarLeft = 8;
constexpr int BarTop = 8;
constexpr int BarWidth = 417;
constexpr int BarHeight = 25;
constexpr int BarRight = ClientWidth - BarLeft - BarWidth;
constexpr int Gap = 8;
constexpr int InitialMaximum = 100;

// The bar as it always stood, "Prekini" under its right end; the box takes the size they
// need together, so the button's caption fits in every style.
void Arrange(TProgressBox& box) {
    auto* layout = new QVBoxLayout(&box);
    layout->setContentsMargins(BarLeft, BarTop, BarRight, Gap);
    layout->setSpacing(Gap);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(box.ProgressBar);
    layout->addWidget(box.ButtonStop, 0, Qt::AlignRight);
    layout->activate(); // the box has its size before it is first shown
}

} // namespace

TProgressBox::TProgressBox(QWidget* parent)
    // A title but no buttons: the user cannot close the box while an operation runs.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("ProgressBox"));
    setWindowTitle(QString::fromLatin1(BoxCaption));
    setCursor(QCursor(Qt::WaitCursor)); // the hourglass: nothing else can be done meanwhile
    setModal(false);

    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setFixedSize(BarWidth, BarHeight);
    ProgressBar->setOrientation(Qt::Horizontal);
    ProgressBar->setTextVisible(false);
    ProgressBar->setRange(0, InitialMaximum);
    ProgressBar->setValue(0);

    ButtonStop = new QPushButton(QString::fromLatin1(StopCaption), this);
    ButtonStop->setObjectName(QStringLiteral("ButtonStop"));
    ButtonStop->setCursor(QCursor(Qt::ArrowCursor)); // the one thing that can be done
    ButtonStop->setAutoDefault(false);               // Enter typed meanwhile must not stop anything
    connect(ButtonStop, &QPushButton::clicked, this, &TProgressBox::StopPressed);
    Arrange(*this);
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

void TProgressBox::SetPosition(int position, int maximum) {
    ProgressBar->setMaximum(maximum);
    ProgressBar->setValue(qMin(position, maximum));
}

void TProgressBox::reject() {
    ButtonStop->click();
}
