// Arranging the PC list by barcode and examining it for duplicates, through the window.
#include <QTableWidget>
#include <QtTest>

#include "support_articles.h"
#include "support_window.h"
#include "ui/main/form_main.h"
#include "ui/progress/progress_box.h"

#include <QProgressBar>

namespace {

const std::string KorvalVersion = "\xCA\xCE\xD0\xC2\xC0\xCB \xD2\xC0\xCB\xCE\xCD \xD1\xD0";

void PlaceOnPC(TFormMain& form, const std::vector<std::pair<int, TalonPLUItem>>& articles) {
    for (const auto& [location, item] : articles) {
        form.ArticlesPC[location] = item;
    }
    form.FillGridPC();
}

QStringList GridIDs(const QTableWidget* grid) {
    QStringList ids;
    for (int row = 1; row < TestWindow::Rows(grid); ++row) {
        ids << TestWindow::Cell(grid, row, 0);
    }
    return ids;
}

QString CodeAt(const TFormMain& form, int index) {
    return QString::fromLatin1(form.ArticlesPC[index].GetCode().Text());
}

} // namespace

class TestArrange : public QObject {
    Q_OBJECT

private slots:
    void smallBarcodesTakeTheirLocations();
    void limitFollowsRegisterVersion_data();
    void limitFollowsRegisterVersion();
    void silentRegisterLeavesListAsItWas();
    void noDuplicatesNoLines();
    void duplicatePairGivesNameThenBarcodeLine();
    void nearlyEqualTextsAreNotDuplicates();
    void threeEqualBarcodesGiveThreeLines();
};

void TestArrange::smallBarcodesTakeTheirLocations() {
    TestWindow window;
    QVERIFY(window.ConnectFresh());
    TFormMain& form = window.Form();
    PlaceOnPC(form, {{2, MakeArticle("Pet", "5", 5.0)},
                     {3, MakeArticle("Tri", "3", 3.0)},
                     {4, MakeArticle("Cetiri", "4", 4.0)}});
    form.BitBtnSortClick();

    QCOMPARE(GridIDs(form.StringGridPC), (QStringList{"3", "4", "5"}));
    QCOMPARE(TestWindow::Row(form.StringGridPC, 1), QStringLiteral("3|Tri|3|3.00|0"));
    QCOMPARE(CodeAt(form, 5), QStringLiteral("5"));
    for (int i = 0; i <= 2; ++i) {
        QVERIFY(!IsPresent(form.ArticlesPC[i]));
    }
    QCOMPARE(window.Commands(), std::vector<std::string>{"$s"});
    QVERIFY(window.LogLines().isEmpty());
}

void TestArrange::limitFollowsRegisterVersion_data() {
    QTest::addColumn<bool>("korval");
    QTest::addColumn<QStringList>("ids");
    QTest::newRow("other version, 2400") << false << QStringList{"4", "1500", "2399"};
    QTest::newRow("Korval, 1400") << true << QStringList{"2", "3", "4"};
}

void TestArrange::limitFollowsRegisterVersion() {
    QFETCH(bool, korval);
    QFETCH(QStringList, ids);
    TestWindow window;
    if (korval) {
        window.Register().SetVersion(KorvalVersion);
    }
    QVERIFY(window.ConnectFresh());
    TFormMain& form = window.Form();
    PlaceOnPC(form, {{2, MakeArticle("Keks", "1500", 1.0)},
                     {3, MakeArticle("Pivo", "2399", 2.0)},
                     {4, MakeArticle("Krompir", "2400", 3.0)}});
    form.BitBtnSortClick();
    QCOMPARE(GridIDs(form.StringGridPC), ids);
    QCOMPARE(CodeAt(form, ids.last().toInt()), korval ? QStringLiteral("2400") : "2399");
}

void TestArrange::silentRegisterLeavesListAsItWas() {
    TestWindow window;
    QVERIFY(window.ConnectFresh());
    TFormMain& form = window.Form();
    PlaceOnPC(form, {{2, MakeArticle("Pet", "5", 5.0)}, {3, MakeArticle("Tri", "3", 3.0)}});
    window.Register().GoSilentAfter(0);
    form.BitBtnSortClick();

    QCOMPARE(window.LogLines(),
             QStringList{QStringLiteral("Greska u komunikaciji: Timeout error")});
    QCOMPARE(CodeAt(form, 2), QStringLiteral("5"));
    QCOMPARE(CodeAt(form, 3), QStringLiteral("3"));
    QCOMPARE(GridIDs(form.StringGridPC), (QStringList{"2", "3"}));
    QVERIFY(form.isEnabled());
}

void TestArrange::noDuplicatesNoLines() {
    TestWindow window;
    QVERIFY(window.ConnectFresh());
    TFormMain& form = window.Form();
    PlaceOnPC(form, {{2, MakeArticle("Jedan", "1", 1.0)}, {3, MakeArticle("Dva", "2", 2.0)}});
    form.BitBtnExamineClick();
    QVERIFY(window.LogLines().isEmpty());
    // The bar ran over one step for each of the 3000 indices.
    QCOMPARE(window.Box().ProgressBar->maximum(), 3000);
    QCOMPARE(window.Box().ProgressBar->value(), 3000);
    QVERIFY(form.isEnabled());
    QVERIFY(!window.Box().isVisible());
    QVERIFY(window.Commands().empty());
}

void TestArrange::duplicatePairGivesNameThenBarcodeLine() {
    TestWindow window;
    QVERIFY(window.ConnectFresh());
    TFormMain& form = window.Form();
    PlaceOnPC(form, {{2, MakeArticle("Mleko", "860", 1.0)},
                     {3, MakeArticle("Hleb", "861", 1.0)},
                     {5, MakeArticle("Mleko", "860", 2.0)}});
    form.BitBtnExamineClick();
    QCOMPARE(window.LogLines(), (QStringList{QStringLiteral("2, 5 - \"Mleko\" - Dupliran naziv"),
                                             QStringLiteral("2, 5 - [860] - Dupliran barkod")}));
}

void TestArrange::nearlyEqualTextsAreNotDuplicates() {
    TestWindow window;
    QVERIFY(window.ConnectFresh());
    TFormMain& form = window.Form();
    PlaceOnPC(form, {{2, MakeArticle("Mleko", "860", 1.0)},
                     {3, MakeArticle("mleko", "860 ", 1.0)},
                     {4, MakeArticle("Mleko ", "0860", 1.0)}});
    form.BitBtnExamineClick();
    QVERIFY(window.LogLines().isEmpty());
}

void TestArrange::threeEqualBarcodesGiveThreeLines() {
    TestWindow window;
    QVERIFY(window.ConnectFresh());
    TFormMain& form = window.Form();
    PlaceOnPC(form, {{3, MakeArticle("A", "77", 1.0)},
                     {4, MakeArticle("B", "77", 1.0)},
                     {9, MakeArticle("C", "77", 1.0)}});
    form.BitBtnExamineClick();
    QCOMPARE(window.LogLines(), (QStringList{QStringLiteral("3, 4 - [77] - Dupliran barkod"),
                                             QStringLiteral("3, 9 - [77] - Dupliran barkod"),
                                             QStringLiteral("4, 9 - [77] - Dupliran barkod")}));
}

QTEST_MAIN(TestArrange)
#include "tst_arrange.moc"
