// The two article tables and how their grids are rebuilt.
#include <QTableWidget>
#include <QtTest>

#include "articles/article_table.h"
#include "support_articles.h"
#include "support_window.h"
#include "ui/main/form_main.h"

namespace {

// A register answer for an article, so that ThisID can be set.
TalonPLUItem ListedArticle(const char* name, const char* code, int hundredths, int thisID) {
    return ArticleWithThisID(name, code, thisID, hundredths, 2);
}

} // namespace

class TestGrids : public QObject {
    Q_OBJECT

private slots:
    void TablesStartEmpty();
    void PCGridRows_data();
    void PCGridRows();
    void RegisterGridShowsThisID();
    void RowsShrink();
    void EmptyTableLeavesGridAsItWas();
    void ClearingEmptiesEveryEntry();
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

void TestGrids::PCGridRows_data() {
    QTest::addColumn<QStringList>("articles"); // "index|name|barcode|price|tax rate"
    QTest::addColumn<QStringList>("rows");
    const auto row = [](const char* name, const QStringList& articles, const QStringList& rows) {
        QTest::newRow(name) << articles << rows;
    };
    row("first loaded in row 1", {"2|Hleb|8600001|45.5|1"}, {"2|Hleb|8600001|45.50|1"});
    row("whole price", {"2|Sir|1|5|0"}, {"2|Sir|1|5.00|0"});
    row("one decimal", {"2|Sir|1|1234.5|0"}, {"2|Sir|1|1234.50|0"});
    row("rounded", {"2|Sir|1|0.994|0"}, {"2|Sir|1|0.99|0"});
    row("negative", {"2|Sir|1|-2.5|0"}, {"2|Sir|1|-2.50|0"});
    row("no separator", {"2|Sir|1|1234567|0"}, {"2|Sir|1|1234567.00|0"});
    row("nameless not shown", {"2||123|5|0", "3|Mleko|124|89.99|-1"}, {"3|Mleko|124|89.99|-1"});
    row("index order", {"2999|Poslednji|9|1|0", "0|Prvi|7|1|0", "100|Srednji|8|1|0"},
        {"0|Prvi|7|1.00|0", "100|Srednji|8|1.00|0", "2999|Poslednji|9|1.00|0"});
    row("Windows-1251 name", {QString::fromLatin1("2|\xCC\xEB\xE5\xEA\xEE|5|1|0")},
        {QStringLiteral("2|Млеко|5|1.00|0")});
}

void TestGrids::PCGridRows() {
    QFETCH(QStringList, articles);
    QFETCH(QStringList, rows);
    TestWindow window;
    TFormMain& form = window.Form();
    for (const QString& article : articles) {
        const QStringList f = article.split(QLatin1Char('|'));
        form.ArticlesPC[f[0].toInt()] =
            MakeArticle(f[1].toLatin1().constData(), f[2].toLatin1().constData(), f[3].toDouble(),
                        f[4].toInt());
    }
    form.FillGridPC();
    QCOMPARE(TestWindow::DataRows(form.StringGridPC), rows);
}

void TestGrids::RegisterGridShowsThisID() {
    TestWindow window;
    TFormMain& form = window.Form();
    form.ArticlesECR[0] = ListedArticle("Kafa", "505", 1375, 17);
    form.FillGridECR();
    QCOMPARE(TestWindow::Row(form.StringGridECR, 1), QStringLiteral("17|Kafa|505|13.75|2"));
}

void TestGrids::RowsShrink() {
    TestWindow window;
    TFormMain& form = window.Form();
    form.ArticlesPC[2999] = MakeArticle("Poslednji", "9", 1.0);
    form.ArticlesPC[0] = MakeArticle("Prvi", "7", 1.0);
    form.ArticlesPC[100] = MakeArticle("Srednji", "8", 1.0);
    form.FillGridPC();
    QCOMPARE(TestWindow::Rows(form.StringGridPC), 4);
    form.ArticlesPC[0] = TalonPLUItem();
    form.ArticlesPC[2999] = TalonPLUItem();
    form.FillGridPC();
    QCOMPARE(TestWindow::DataRows(form.StringGridPC), QStringList{"100|Srednji|8|1.00|0"});
}

void TestGrids::EmptyTableLeavesGridAsItWas() {
    TestWindow window;
    TFormMain& form = window.Form();
    form.ArticlesECR[5] = ListedArticle("Caj", "77", 250, 5);
    form.ArticlesECR[9] = ListedArticle("Sok", "78", 120, 9);
    form.FillGridECR();
    form.ClearArticlesECR();
    form.FillGridECR();
    QCOMPARE(TestWindow::DataRows(form.StringGridECR),
             (QStringList{"5|Caj|77|2.50|2", "9|Sok|78|1.20|2"}));
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

QTEST_MAIN(TestGrids)
#include "tst_grids.moc"
