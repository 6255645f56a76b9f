// The two article tables and how their grids are rebuilt.
#include <QTableWidget>
#include <QtTest>

#include "articles/article_table.h"
#include "support_articles.h"
#include "support_window.h"
#include "ui/main/form_main.h"

namespace {

// A register answer for an article, in reading order, so that ThisID can be set.
TalonPLUItem ListedArticle(const char* name, const char* code, int hundredths, int thisID) {
    const std::string answer = std::string(name) + "\n" + code + "\n" + std::to_string(hundredths) +
                               "\t2\xFE"
                               "0\xFE"
                               "0\xFE"
                               "0\xFE"
                               "0\xFE"
                               "0\xFE"
                               "0\xFE"
                               "0\t0\t" +
                               std::to_string(thisID) + "\t0\t";
    TalonPLUItem item;
    item.FromECRText(ECRString(answer.c_str()));
    return item;
}

} // namespace

class TestGrids : public QObject {
    Q_OBJECT

private slots:
    void TablesStartEmpty();
    void FirstLoadedArticleInRowOne();
    void RegisterGridShowsThisID();
    void PricesWithTwoDecimals_data();
    void PricesWithTwoDecimals();
    void NamelessEntryNotShown();
    void RowsFollowIndexOrderAndShrink();
    void EmptyTableLeavesGridAsItWas();
    void ClearingEmptiesEveryEntry();
    void CyrillicNamesShown();
};

void TestGrids::TablesStartEmpty() {
    TestWindow window;
    for (const ArticleTable* table : {&window.Form().ArticlesPC, &window.Form().ArticlesECR}) {
        QCOMPARE(table->size(), size_t{3000});
        for (const TalonPLUItem& item : *table) {
            QVERIFY(!IsPresent(item));
        }
    }
}

void TestGrids::FirstLoadedArticleInRowOne() {
    TestWindow window;
    TFormMain& form = window.Form();
    form.ArticlesPC[2] = MakeArticle("Hleb", "8600001", 45.5, 1);
    form.FillGridPC();
    QCOMPARE(TestWindow::Rows(form.StringGridPC), 2);
    QCOMPARE(TestWindow::Row(form.StringGridPC, 1), QStringLiteral("2|Hleb|8600001|45.50|1"));
}

void TestGrids::RegisterGridShowsThisID() {
    TestWindow window;
    TFormMain& form = window.Form();
    form.ArticlesECR[0] = ListedArticle("Kafa", "505", 1375, 17);
    form.FillGridECR();
    QCOMPARE(TestWindow::Row(form.StringGridECR, 1), QStringLiteral("17|Kafa|505|13.75|2"));
}

void TestGrids::PricesWithTwoDecimals_data() {
    QTest::addColumn<double>("price");
    QTest::addColumn<QString>("shown");
    QTest::newRow("whole") << 5.0 << QStringLiteral("5.00");
    QTest::newRow("one decimal") << 1234.5 << QStringLiteral("1234.50");
    QTest::newRow("rounded") << 0.994 << QStringLiteral("0.99");
    QTest::newRow("negative") << -2.5 << QStringLiteral("-2.50");
    QTest::newRow("no separator") << 1234567.0 << QStringLiteral("1234567.00");
}

void TestGrids::PricesWithTwoDecimals() {
    QFETCH(double, price);
    QFETCH(QString, shown);
    TestWindow window;
    window.Form().ArticlesPC[2] = MakeArticle("Sir", "1", price);
    window.Form().FillGridPC();
    QCOMPARE(TestWindow::Cell(window.Form().StringGridPC, 1, 3), shown);
}

void TestGrids::NamelessEntryNotShown() {
    TestWindow window;
    TFormMain& form = window.Form();
    form.ArticlesPC[2] = MakeArticle("", "123", 5.0);
    form.ArticlesPC[3] = MakeArticle("Mleko", "124", 89.99, -1);
    form.FillGridPC();
    QCOMPARE(TestWindow::Rows(form.StringGridPC), 2);
    QCOMPARE(TestWindow::Row(form.StringGridPC, 1), QStringLiteral("3|Mleko|124|89.99|-1"));
}

void TestGrids::RowsFollowIndexOrderAndShrink() {
    TestWindow window;
    TFormMain& form = window.Form();
    form.ArticlesPC[2999] = MakeArticle("Poslednji", "9", 1.0);
    form.ArticlesPC[0] = MakeArticle("Prvi", "7", 1.0);
    form.ArticlesPC[100] = MakeArticle("Srednji", "8", 1.0);
    form.FillGridPC();
    QCOMPARE(TestWindow::Rows(form.StringGridPC), 4);
    QCOMPARE(TestWindow::Cell(form.StringGridPC, 1, 0), QStringLiteral("0"));
    QCOMPARE(TestWindow::Cell(form.StringGridPC, 2, 0), QStringLiteral("100"));
    QCOMPARE(TestWindow::Cell(form.StringGridPC, 3, 0), QStringLiteral("2999"));
    form.ArticlesPC[0] = TalonPLUItem();
    form.ArticlesPC[2999] = TalonPLUItem();
    form.FillGridPC();
    QCOMPARE(TestWindow::Rows(form.StringGridPC), 2);
    QCOMPARE(TestWindow::Row(form.StringGridPC, 1), QStringLiteral("100|Srednji|8|1.00|0"));
}

void TestGrids::EmptyTableLeavesGridAsItWas() {
    TestWindow window;
    TFormMain& form = window.Form();
    form.ArticlesECR[5] = ListedArticle("Caj", "77", 250, 5);
    form.ArticlesECR[9] = ListedArticle("Sok", "78", 120, 9);
    form.FillGridECR();
    form.ClearArticlesECR();
    form.FillGridECR();
    QCOMPARE(TestWindow::Rows(form.StringGridECR), 3);
    QCOMPARE(TestWindow::Row(form.StringGridECR, 1), QStringLiteral("5|Caj|77|2.50|2"));
    QCOMPARE(TestWindow::Row(form.StringGridECR, 2), QStringLiteral("9|Sok|78|1.20|2"));
}

void TestGrids::ClearingEmptiesEveryEntry() {
    TestWindow window;
    TFormMain& form = window.Form();
    form.ArticlesPC[2] = MakeArticle("A", "1", 1.0);
    form.ArticlesPC[2999] = MakeArticle("B", "2", 1.0);
    form.ArticlesECR[0] = ListedArticle("C", "3", 100, 4);
    form.ClearArticlesPC();
    QVERIFY(!IsPresent(form.ArticlesPC[2]));
    QVERIFY(!IsPresent(form.ArticlesPC[2999]));
    QCOMPARE(form.ArticlesPC[2].GetPrice(), 0.0);
    QVERIFY(IsPresent(form.ArticlesECR[0])); // the other table is not touched
    form.ClearArticlesECR();
    QCOMPARE(form.ArticlesECR[0].GetThisID(), 0);
    QVERIFY(!IsPresent(form.ArticlesECR[0]));
}

void TestGrids::CyrillicNamesShown() {
    TestWindow window;
    window.Form().ArticlesPC[2] = MakeArticle("\xCC\xEB\xE5\xEA\xEE", "5", 1.0); // Windows-1251
    window.Form().FillGridPC();
    QCOMPARE(TestWindow::Cell(window.Form().StringGridPC, 1, 1), QStringLiteral("Млеко"));
}

QTEST_MAIN(TestGrids)
#include "tst_grids.moc"
