// Sending the PC list to the register through the main window.
#include <QTableWidget>
#include <QtTest>

#include "support_articles.h"
#include "support_window.h"
#include "ui/main/form_main.h"
#include "ui/progress/progress_box.h"

// A register that goes silent while sending is one case of the fault matrix.
class TestSend : public QObject {
    Q_OBJECT

private slots:
    void oneArticleOneWrite();
    void refusalIsLoggedAndLoopGoesOn();
    void onlyListedLocationsAreWritten();
};

void TestSend::oneArticleOneWrite() {
    TestWindow window;
    QVERIFY(window.ConnectFresh());
    window.PlaceOnPC({{2, MakeArticle("Hleb", "5", 45.5, 1)}});
    ProgressTrace progress(window.Box());
    window.Form().BitBtnSendClick();

    QCOMPARE(progress.Steps, QStringList{QStringLiteral("1/1")});
    QCOMPARE(CommandNumbers(window.Commands(), WritePrefix), std::vector<int>{2});
    // The register is asked who it is first, so that its image can be kept.
    QCOMPARE(window.Commands().size(), std::size_t{2});
    QCOMPARE(window.Commands().front(), std::string("$s"));
    QCOMPARE(window.LogLines(), QStringList{QStringLiteral("Posalji: upisano 1 od 1 artikala")});
    const auto held = window.Register().Articles();
    QCOMPARE(held.size(), std::size_t{1});
    QCOMPARE(QString(held.at(2).GetDescription().Text()), QStringLiteral("Hleb"));
    QVERIFY(window.Usable());
}

void TestSend::refusalIsLoggedAndLoopGoesOn() {
    TestWindow window;
    window.Register().SetArticle(50, MakeArticle("Postojeci", "777", 10.0));
    QVERIFY(window.ConnectFresh());
    window.PlaceOnPC({{2, MakeArticle("Prvi", "1001", 1.0)},
                      {3, MakeArticle("Drugi", "777", 2.0)},
                      {4, MakeArticle("Treci", "1003", 3.0)}});
    ProgressTrace progress(window.Box());
    window.Form().BitBtnSendClick();

    QCOMPARE(
        window.LogLines(),
        (QStringList{QStringLiteral("Drugi"), QStringLiteral("Greska 122: Nije jedinstven bar kod"),
                     QStringLiteral("Posalji: upisano 2 od 3 artikala, odbijeno 1")}));
    QCOMPARE(CommandNumbers(window.Commands(), WritePrefix), (std::vector<int>{2, 3, 4}));
    const auto held = window.Register().Articles();
    QVERIFY(held.count(2) == 1 && held.count(4) == 1 && held.count(3) == 0);
    QCOMPARE(progress.Steps, (QStringList{"1/3", "2/3", "3/3"})); // a refusal is a step too
    QVERIFY(window.Usable());
}

void TestSend::onlyListedLocationsAreWritten() {
    TestWindow window;
    QVERIFY(window.ConnectFresh());
    window.PlaceOnPC({{7, MakeArticle("Sedam", "7", 7.0)},
                      {2, MakeArticle("Dva", "2", 2.0)},
                      {1400, MakeArticle("Hiljadu", "1400", 3.0)}});
    window.Form().BitBtnSendClick();
    QCOMPARE(CommandNumbers(window.Commands(), WritePrefix), (std::vector<int>{2, 7, 1400}));
    QCOMPARE(window.LogLines(), QStringList{QStringLiteral("Posalji: upisano 3 od 3 artikala")});
}

QTEST_MAIN(TestSend)
#include "tst_send.moc"
