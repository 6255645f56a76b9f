#include "support_captions.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QSize>
#include <QTabWidget>
#include <QTest>

#include "ui/main/form_main.h"
#include "ui/main/registers_page.h"
#include "ui/progress/progress_box.h"

const QSize StartingWindowSize(705, 535);

namespace {

QList<QWidget*> CaptionedControls(QWidget& window) {
    QList<QWidget*> controls;
    for (QWidget* child : window.findChildren<QWidget*>()) {
        const bool captioned = qobject_cast<QPushButton*>(child) ||
                               qobject_cast<QCheckBox*>(child) || qobject_cast<QLabel*>(child);
        if (captioned && child->window() == &window) {
            controls << child;
        }
    }
    return controls;
}

// The layouts place the controls of a page when it is shown.
void ShowPage(TFormMain& form, QWidget* page) {
    form.PageControl->setCurrentWidget(page);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

} // namespace

QStringList CutShortCaptions(QWidget& window) {
    QStringList cut;
    for (QWidget* control : CaptionedControls(window)) {
        if (control->isVisible() && control->width() < control->sizeHint().width()) {
            cut << QStringLiteral("%1 %2 < %3")
                       .arg(control->objectName())
                       .arg(control->width())
                       .arg(control->sizeHint().width());
        }
    }
    return cut;
}

QStringList CutShortOnEveryPage(TFormMain& form) {
    QStringList cut;
    for (QWidget* page : {form.PC, form.Talon, static_cast<QWidget*>(form.TabRegisters)}) {
        ShowPage(form, page);
        cut << CutShortCaptions(form);
    }
    return cut;
}

QStringList CutShortAtStart(TFormMain& form, TProgressBox& box) {
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        return {QStringLiteral("the main window was not shown")};
    }
    if (form.size() != StartingWindowSize) {
        return {QStringLiteral("the main window is %1x%2").arg(form.width()).arg(form.height())};
    }
    QStringList cut = CutShortOnEveryPage(form);
    form.BeginProgress(0, 3);
    if (!QTest::qWaitForWindowExposed(&box) || !box.ButtonStop->isVisible()) {
        cut << QStringLiteral("the progress box or its Prekini was not shown");
    }
    cut << CutShortCaptions(box);
    form.EndProgress();
    return cut;
}
