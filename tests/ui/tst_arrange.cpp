// Arranging the PC list by barcode and examining it for duplicates, through the window.
// A register that goes silent while arranging is one case of the fault matrix.
#include <QProgressBar>
#include <QTableWidget>
#include <QtTest>

#include "support_articles.h"
#include "support_window.h"
#include "ui/main/form_main.h"
#include "ui/progress/progress_box.h"

namespace {

const std::string KorvalVersion = "\xCA\xCE\xD0\xC2\xC0\xCB \xD2\xC0\xCB\xCE\xCD \xD1\xD0";

// Places articles given as "index|name|barcode|price" on the PC page.
void PlaceOnPC(TestWindow& window, const QStringList& articles) {
    std::vector<std::pair<int, TalonPLUItem>> placed;
    for (const QString& article : articles) {
        const QStringList f = article.split(QLatin1Char('|'));
        placed.emplace_back(
            f[0].toInt(),
            MakeArticle(f[1].toLatin1().constData(), f[2].toLatin1().constData(), f[3].toDouble()));
    }
    window.PlaceOnPC(placed);
}

} // namespace

class TestArrange : public QObject {
    Q_OBJECT

private slots:
    void arrangeByBarcode_data();
    void arrangeByBarcode();
    void examine_data();
    void examine();
};

void TestArrange::arrangeByBarcode_data() {
    QTest::addColumn<bool>("korval");
    QTest::addColumn<QStringList>("articles");
    QTest::addColumn<QStringList>("rows");
    // Indices 0 to 2 end empty.
    QTest::newRow("small barcodes take their locations")
        << false << QStringList{"2|Pet|5|5", "3|Tri|3|3", "4|Cetiri|4|4"}
        << QStringList{"3|Tri|3|3.00|0", "4|Cetiri|4|4.00|0", "5|Pet|5|5.00|0"};
    const QStringList limits{"2|Keks|1500|1", "3|Pivo|2399|2", "4|Krompir|2400|3"};
    QTest::newRow("other version, 2400")
        << false << limits
        << QStringList{"4|Krompir|2400|3.00|0", "1500|Keks|1500|1.00|0", "2399|Pivo|2399|2.00|0"};
    QTest::newRow("Korval, 1400") << true << limits
                                  << QStringList{"2|Keks|1500|1.00|0", "3|Pivo|2399|2.00|0",
                                                 "4|Krompir|2400|3.00|0"};
}

void TestArrange::arrangeByBarcode() {
    QFETCH(bool, korval);
    QFETCH(QStringList, articles);
    QFETCH(QStringList, rows);
    TestWindow window;
    if (korval) {
        window.Register().SetVersion(KorvalVersion);
    }
    QVERIFY(window.ConnectFresh());
    PlaceOnPC(window, articles);
    window.Form().BitBtnSortClick();
    QCOMPARE(TestWindow::DataRows(window.Form().StringGridPC), rows);
    QCOMPARE(window.Commands(), std::vector<std::string>{"$s"});
    QVERIFY(window.LogLines().isEmpty());
}

void TestArrange::examine_data() {
    QTest::addColumn<QStringList>("articles");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("no duplicates") << QStringList{"2|Jedan|1|1", "3|Dva|2|2"} << QStringList{};
    QTest::newRow("name then barcode line")
        << QStringList{"2|Mleko|860|1", "3|Hleb|861|1", "5|Mleko|860|2"}
        << QStringList{"2, 5 - \"Mleko\" - Dupliran naziv", "2, 5 - [860] - Dupliran barkod"};
    // The leading zero alone is no difference to the register, which compares numbers.
    QTest::newRow("case and trailing space differ")
        << QStringList{"2|Mleko|860|1", "3|mleko|860 |1", "4|Mleko |0860|1"}
        << QStringList{"2, 4 - [860] / [0860] - Isti barkod kao broj"};
    QTest::newRow("three equal barcodes")
        << QStringList{"3|A|77|1", "4|B|77|1", "9|C|77|1"}
        << QStringList{"3, 4 - [77] - Dupliran barkod", "3, 9 - [77] - Dupliran barkod",
                       "4, 9 - [77] - Dupliran barkod"};
    // The register keeps 16 characters of a name and 13 of a barcode; an exact pair is
    // told only as such.
    QTest::newRow("what the register takes for the same")
        << QStringList{"2|Cokolada mlecna 100g|8600000000001234|1",
                       "3|Cokolada mlecna 200g|8600000000001|1", "4|Hleb|0100|1",
                       "5|Cokolada mlecna 100g|100|1", "6|Kafa|00100|1"}
        << QStringList{"2, 3 - \"Cokolada mlecna \" - Isti naziv u kasi (prvih 16 znakova)",
                       "2, 3 - [8600000000001] - Isti barkod u kasi (prvih 13 znakova)",
                       "2, 5 - \"Cokolada mlecna 100g\" - Dupliran naziv",
                       "3, 5 - \"Cokolada mlecna \" - Isti naziv u kasi (prvih 16 znakova)",
                       "4, 5 - [0100] / [100] - Isti barkod kao broj",
                       "4, 6 - [0100] / [00100] - Isti barkod kao broj",
                       "5, 6 - [100] / [00100] - Isti barkod kao broj"};
}

void TestArrange::examine() {
    QFETCH(QStringList, articles);
    QFETCH(QStringList, lines);
    TestWindow window;
    QVERIFY(window.ConnectFresh());
    PlaceOnPC(window, articles);
    window.Form().BitBtnExamineClick();
    QCOMPARE(window.LogLines(), lines);
    // The bar ran over one step for each of the 3000 indices.
    QCOMPARE(window.Box().ProgressBar->maximum(), 3000);
    QCOMPARE(window.Box().ProgressBar->value(), 3000);
    QVERIFY(window.Usable());
    QVERIFY(window.Commands().empty());
}

QTEST_MAIN(TestArrange)
#include "tst_arrange.moc"
