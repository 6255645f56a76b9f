// The status report in the log. A register that goes silent is one case of the fault
// matrix.
#include <QDate>
#include <QtTest>

#include "support_articles.h"
#include "support_window.h"
#include "ui/main/form_main.h"
#include "ui/progress/progress_box.h"

namespace {

// What the emulated register reports, line by line, for a register holding `articles`.
QStringList ExpectedStatus(int articles) {
    const QDate today = QDate::currentDate();
    return {
        QStringLiteral("Model: 12"),
        QStringLiteral("Fiskalizovan: 1"),
        QStringLiteral("Totalajzeri: 6"),
        QStringLiteral("Godina: %1").arg(today.year()),
        QStringLiteral("Mesec: %1").arg(today.month()),
        QStringLiteral("Dan: %1").arg(today.day()),
        QStringLiteral("PIB: 100200300"),
        QStringLiteral("IBFM: TE000001"),
        QStringLiteral("Verzija: TALON EMULATOR 1.0"),
        QStringLiteral("Odeljenja: 16"),
        QStringLiteral("Prog. tastera: 60"),
        QStringLiteral("Blagajnika: 8"),
        QStringLiteral("Nacina placanja: 4"),
        QStringLiteral("Artikala: %1").arg(articles),
        QStringLiteral("Barkod formata: 3"),
        QStringLiteral("Ambalaza: 10"),
    };
}

} // namespace

class TestStatus : public QObject {
    Q_OBJECT

private slots:
    void sixteenLabelledLinesPerClick();
    void cyrillicVersionIsShown();
};

void TestStatus::sixteenLabelledLinesPerClick() {
    TestWindow window;
    window.Register().SetArticle(1, MakeArticle("Jedan", "1", 1.0));
    window.Register().SetArticle(7, MakeArticle("Sedam", "7", 7.0));
    QVERIFY(window.ConnectFresh());
    window.Form().BitBtnStatusClick();
    QCOMPARE(window.LogLines(), ExpectedStatus(2));
    QCOMPARE(window.Commands(), std::vector<std::string>{"$s"});
    window.Form().BitBtnStatusClick(); // thirty-two lines after two clicks
    QCOMPARE(window.LogLines(), ExpectedStatus(2) + ExpectedStatus(2));
}

void TestStatus::cyrillicVersionIsShown() {
    TestWindow window;
    window.Register().SetVersion("\xCA\xCE\xD0\xC2\xC0\xCB \xD2\xC0\xCB\xCE\xCD \xD1\xD0");
    QVERIFY(window.ConnectFresh());
    window.Form().BitBtnStatusClick();
    QCOMPARE(window.LogLines().value(8), QStringLiteral("Verzija: КОРВАЛ ТАЛОН СР"));
}

QTEST_MAIN(TestStatus)
#include "tst_status.moc"
