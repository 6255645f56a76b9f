// The window in every style Qt offers on Windows, the Windows style ("windowsvista") among
// them: at the starting size no caption is cut short, in the main window or in the
// progress box.
#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QtTest>

#include <clocale>

#include "support_captions.h"
#include "ui/app/application.h"
#include "ui/main/form_main.h"
#include "ui/progress/progress_box.h"

namespace {

const QString WindowsStyle = QStringLiteral("windowsvista");

} // namespace

class TestWindowsStyle : public QObject {
    Q_OBJECT

private slots:
    void windowsStyleIsOffered();
    void captionsFit_data();
    void captionsFit();
};

void TestWindowsStyle::windowsStyleIsOffered() {
    QVERIFY2(QStyleFactory::keys().contains(WindowsStyle, Qt::CaseInsensitive),
             qPrintable(QStyleFactory::keys().join(QLatin1Char(','))));
}

void TestWindowsStyle::captionsFit_data() {
    QTest::addColumn<QString>("style");
    for (const QString& style : QStyleFactory::keys()) {
        QTest::newRow(qPrintable(style)) << style;
    }
}

void TestWindowsStyle::captionsFit() {
    QFETCH(QString, style);
    QApplication::setStyle(QStyleFactory::create(style));
    CreateWindows();
    const QStringList cut = CutShortAtStart(*FormMain, *ProgressBox);
    DestroyWindows();
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
}

int main(int argc, char* argv[]) {
    Application application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    TestWindowsStyle test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windows_style.moc"
