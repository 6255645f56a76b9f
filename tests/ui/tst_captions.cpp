// Every caption fits its control in every style the platform offers, at the window's
// starting size: no button, check box or label is narrower than its own size hint.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTabWidget>
#include <QtTest>

#include "support_window.h"
#include "ui/main/form_main.h"
#include "ui/progress/progress_box.h"

namespace {

const QSize StartingSize(705, 535);

// The captioned controls that belong to `window` itself (not to a dialog it owns).
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

// "BitBtnSendChanges 88 < 104" for each shown control cut short.
QStringList CutShort(QWidget& window) {
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

// The layouts place the controls of a page when it is shown.
void ShowPage(TFormMain& form, QWidget* page) {
    form.PageControl->setCurrentWidget(page);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

} // namespace

class TestCaptions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void captionsFit_data();
    void captionsFit();

private:
    QString StartingStyle;
};

void TestCaptions::initTestCase() {
    StartingStyle = QApplication::style()->name();
}

void TestCaptions::cleanup() {
    QApplication::setStyle(StartingStyle);
}

void TestCaptions::captionsFit_data() {
    QTest::addColumn<QString>("style");
    for (const QString& style : QStyleFactory::keys()) {
        QTest::newRow(qPrintable(style)) << style;
    }
}

void TestCaptions::captionsFit() {
    QFETCH(QString, style);
    QApplication::setStyle(QStyleFactory::create(style));
    TestWindow window;
    TFormMain& form = window.Form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.size(), StartingSize);
    QStringList cut;
    for (QWidget* page : {form.PC, form.Talon}) {
        ShowPage(form, page);
        cut << CutShort(form);
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
    form.BeginProgress(0, 3);
    QVERIFY(QTest::qWaitForWindowExposed(&window.Box()));
    cut << CutShort(window.Box());
    QVERIFY(!CaptionedControls(window.Box()).isEmpty());
    form.EndProgress();
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
}

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
