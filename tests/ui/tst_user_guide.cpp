// F1 opens the user guide where a build tree or an installation keeps it, and says in the
// log where it looked when there is none.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include "support_window.h"
#include "ui/main/form_main.h"
#include "ui/main/user_guide.h"

class TestUserGuide : public QObject {
    Q_OBJECT

private slots:
    void f1OpensTheGuide_data();
    void f1OpensTheGuide();
};

void TestUserGuide::f1OpensTheGuide_data() {
    QTest::addColumn<QString>("guide"); // where the guide is, from the program's folder
    QTest::newRow("build tree") << QStringLiteral("Uputstvo.html");
    QTest::newRow("installation") << QStringLiteral("installed");
    QTest::newRow("none") << QString();
}

void TestUserGuide::f1OpensTheGuide() {
    QFETCH(QString, guide);
    QTemporaryDir root;
    const QString program = root.filePath(QStringLiteral("bin"));
    const QString installed = InstalledUserGuide(program);
    const QString path = guide == QLatin1String("installed") ? installed : program + '/' + guide;
    QVERIFY(QDir().mkpath(program) && QDir().mkpath(QFileInfo(installed).path()));
    QFile file(path);
    QVERIFY(guide.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write("<html/>") > 0));

    TestWindow window;
    TFormMain& form = window.Form();
    form.ProgramFolder = program;
    QList<QUrl> opened;
    form.OpenDocument = [&opened](const QUrl& url) {
        opened << url;
        return true;
    };
    window.ClearLog();
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_F1);

    const QString missing = QStringLiteral("Uputstvo nije pronadjeno: nema fajla %1");
    QCOMPARE(opened, guide.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl::fromLocalFile(path)});
    QCOMPARE(window.LogLines(), guide.isEmpty()
                                    ? QStringList{missing.arg(QDir::toNativeSeparators(installed))}
                                    : QStringList());
}

QTEST_MAIN(TestUserGuide)
#include "tst_user_guide.moc"
