// The register's password goes to the register only: never into the log, a saved file,
// the error display or the program's standard output and error, and the entry shows it
// as stars.
#include <QFile>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

#include "support_articles.h"
#include "support_window.h"
#include "ui/main/form_main.h"

namespace {

const QString Secret = QStringLiteral("Tajna4821");
const QString WrongSecret = QStringLiteral("Kriva9375");
const char* const CaptureMarker = "capture-works-marker";
constexpr int StdOut = 1;
constexpr int StdErr = 2;

EmulatorOptions WithSecret() {
    EmulatorOptions options;
    options.Password = Secret.toStdString();
    return options;
}

// The password as bytes in the forms it could take on its way out: plain 8-bit text
// and UTF-16 little-endian.
bool Holds(const QByteArray& bytes, const QString& secret) {
    return bytes.contains(secret.toLatin1()) || bytes.contains(Utf16LE(secret));
}

bool LogHolds(const TestWindow& window, const QString& secret) {
    return window.LogLines().join(QLatin1Char('\n')).contains(secret);
}

// Sends standard output and error (the descriptors, so C, C++ and Qt output alike)
// into a temporary file until Finish().
class OutputCapture {
public:
    OutputCapture() : File(std::tmpfile()) {
        std::fflush(stdout);
        std::fflush(stderr);
        SavedOut = dup(StdOut);
        SavedErr = dup(StdErr);
        dup2(fileno(File), StdOut);
        dup2(fileno(File), StdErr);
    }
    ~OutputCapture() { Finish(); }
    OutputCapture(const OutputCapture&) = delete;
    OutputCapture& operator=(const OutputCapture&) = delete;

    QByteArray Finish() {
        if (File == nullptr) {
            return Captured;
        }
        std::fflush(stdout);
        std::fflush(stderr);
        dup2(SavedOut, StdOut);
        dup2(SavedErr, StdErr);
        close(SavedOut);
        close(SavedErr);
        std::rewind(File);
        char buffer[4096];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, File)) > 0) {
            Captured.append(buffer, static_cast<qsizetype>(n));
        }
        std::fclose(File);
        File = nullptr;
        return Captured;
    }

private:
    std::FILE* File = nullptr;
    int SavedOut = -1;
    int SavedErr = -1;
    QByteArray Captured;
};

} // namespace

class TestSecrets : public QObject {
    Q_OBJECT

private slots:
    void entryShowsOnlyStars();
    void logNeverHoldsThePassword();
    void savedFileNeverHoldsThePassword();
    void outputNeverHoldsThePassword();
};

void TestSecrets::entryShowsOnlyStars() {
    TestWindow window(WithSecret());
    QLineEdit* entry = window.Form().EditPassword;
    entry->ensurePolished(); // as the screen shows it
    QCOMPARE(entry->echoMode(), QLineEdit::Password);
    QCOMPARE(entry->displayText(), QStringLiteral("****")); // the initial "7351"
    entry->setText(Secret);
    QCOMPARE(entry->displayText(), QString(Secret.size(), QLatin1Char('*')));
    QVERIFY(!entry->toolTip().contains(Secret));
}

void TestSecrets::logNeverHoldsThePassword() {
    TestWindow window(WithSecret());
    CapturedErrors errors;
    TFormMain& form = window.Form();
    // Disconnecting empties the log, so every step is looked at on its own.
    QVERIFY(!window.Connect(WrongSecret));
    QVERIFY(!LogHolds(window, WrongSecret));
    QVERIFY(window.Connect(Secret));
    QVERIFY(!LogHolds(window, Secret));
    form.BitBtnStatus->click();
    QCOMPARE(window.LogLines().size(), 1 + 2 + 1 + 16); // welcome, failure, OK, status
    QVERIFY(!LogHolds(window, Secret) && !LogHolds(window, WrongSecret));
    form.BitBtnDisconnect->click();
    QCOMPARE(window.LogLines(), QStringList{QStringLiteral("Odjavljivanje - OK")});
    QVERIFY(!errors.Texts.join(QLatin1Char('\n')).contains(Secret));
}

void TestSecrets::savedFileNeverHoldsThePassword() {
    TestWindow window(WithSecret());
    window.Register().SetArticle(1, MakeArticle("ALFA", "101", 1.0));
    window.Register().SetArticle(5, MakeArticle("BETA", "105", 2.0));
    QVERIFY(window.Connect(Secret));
    window.Form().BitBtnList->click();
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("snimljeno.txt"));
    window.SaveFile(path);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(Holds(bytes, QStringLiteral("BETA"))); // the file was written at all
    QVERIFY(!Holds(bytes, Secret));
}

void TestSecrets::outputNeverHoldsThePassword() {
    QByteArray output;
    bool refused = false;
    bool accepted = false;
    {
        TestWindow window(WithSecret());
        TFormMain& form = window.Form();
        OutputCapture capture;
        // Every debug message on, so that anything the program says at all is seen.
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=true"));
        std::fprintf(stderr, "%s\n", CaptureMarker);
        refused = !window.Connect(WrongSecret);
        accepted = window.Connect(Secret);
        form.BitBtnStatus->click();
        form.BitBtnDisconnect->click();
        QLoggingCategory::setFilterRules(QString());
        output = capture.Finish();
    }
    QVERIFY(refused && accepted);
    QVERIFY(output.contains(CaptureMarker)); // the capture caught what went to the descriptors
    QVERIFY2(!Holds(output, Secret), output.constData());
    QVERIFY2(!Holds(output, WrongSecret), output.constData());
}

QTEST_MAIN(TestSecrets)
#include "tst_secrets.moc"
