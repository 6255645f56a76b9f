// F1 opens the user guide where an installation or the build tree keeps it, and says so in
// the log when it cannot.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include "support_window.h"
#include "ui/main/form_main.h"
#include "ui/main/user_guide.h"

namespace {

bool PutFile(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("<html></html>") > 0;
}

// The window shown and active, so that its shortcut takes the key.
void ShowActive(TFormMain& form) {
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
}

} // namespace

class TestUserGuide : public QObject {
    Q_OBJECT

private slots:
    void f1OpensTheGuide_data();
    void f1OpensTheGuide();
    void aBrowserThatFailsIsTold();
};

void TestUserGuide::f1OpensTheGuide_data() {
    QTest::addColumn<bool>("beside");    // a guide beside the program (a build tree)
    QTest::addColumn<bool>("installed"); // one in the installation's documentation folder
    QTest::addColumn<bool>("besideWins");
    QTest::newRow("build tree") << true << false << true;
    QTest::newRow("installation") << false << true << false;
    QTest::newRow("both") << true << true << true;
    QTest::newRow("none") << false << false << false;
}

void TestUserGuide::f1OpensTheGuide() {
    QFETCH(bool, beside);
    QFETCH(bool, installed);
    QFETCH(bool, besideWins);
    QTemporaryDir root;
    const QString program = root.filePath(QStringLiteral("bin"));
    QVERIFY(QDir().mkpath(program));
    const QString besidePath = program + QStringLiteral("/Uputstvo.html");
    const QString installedPath = InstalledUserGuide(program);
    QVERIFY(!beside || PutFile(besidePath));
    QVERIFY(!installed || PutFile(installedPath));

    TestWindow window;
    TFormMain& form = window.Form();
    form.ProgramFolder = program;
    QList<QUrl> opened;
    form.OpenDocument = [&opened](const QUrl& url) {
        opened << url;
        return true;
    };
    window.ClearLog();
    ShowActive(form);
    QTest::keyClick(&form, Qt::Key_F1);

    if (!beside && !installed) {
        QCOMPARE(opened, QList<QUrl>());
        QCOMPARE(window.LogLines(),
                 QStringList{QStringLiteral("Uputstvo nije pronadjeno: nema fajla %1")
                                 .arg(QDir::toNativeSeparators(installedPath))});
        return;
    }
    const QString expected = besideWins ? besidePath : installedPath;
    QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(QDir::cleanPath(expected))});
    QCOMPARE(window.LogLines(), QStringList());
}

void TestUserGuide::aBrowserThatFailsIsTold() {
    QTemporaryDir program;
    const QString guide = program.filePath(QStringLiteral("Uputstvo.html"));
    QVERIFY(PutFile(guide));
    TestWindow window;
    window.Form().ProgramFolder = program.path();
    window.Form().OpenDocument = [](const QUrl&) { return false; };
    window.ClearLog();
    window.Form().OpenUserGuide();
    QCOMPARE(window.LogLines(), QStringList{QStringLiteral("Uputstvo %1 nije moguce otvoriti")
                                                .arg(QDir::toNativeSeparators(guide))});
}

QTEST_MAIN(TestUserGuide)
#include "tst_user_guide.moc"
