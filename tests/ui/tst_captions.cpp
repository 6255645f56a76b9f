// Every caption fits its control in every style the platform offers, at the window's
// starting size: no button, check box or label is narrower than its own size hint.
#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QtTest>

#include "support_captions.h"
#include "support_window.h"

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
    const QStringList cut = CutShortAtStart(window.Form(), window.Box());
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
}

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
