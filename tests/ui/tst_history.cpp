// The window's edit and erase go to the register's record of changes.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

#include "files/replace_file.h"
#include "files/whole_file.h"
#include "image/change_record.h"
#include "image/register_image.h"
#include "operations/history_report.h"
#include "support_articles.h"
#include "support_window.h"
#include "tests/support/workbook_cells.h"
#include "ui/edit/edit_plu.h"
#include "ui/main/form_main.h"
#include "ui/main/grid_rows.h"
#include "ui/main/history_page.h"

namespace {

// Price 12.5, tax 2, department 3, container 4, price fixed, max price, measurement 6.
const char* const FiveLine = "\"Pet\"\t505\t12.5\t2\t3\t4\t1\t1\t0\t6\t3\t37.5";

void ListedWindow(TestWindow& window) {
    window.Register().SetArticle(5, ArticleFromLine(FiveLine));
    window.Register().SetArticle(9, MakeArticle("A9", "1009", 1.0));
    QVERIFY(window.ConnectAndList());
}

void SelectId(TFormMain& form, int id) {
    for (int row = 1; row < GridRowCount(form.StringGridECR); ++row) {
        if (GridCell(form.StringGridECR, row, 0).toInt() == id) {
            SelectGridRow(form.StringGridECR, row);
        }
    }
}

// The last line of the one record in the image folder, without its time.
QString LastChange() {
    const std::string folder = DefaultImageFolder();
    std::error_code failed;
    const std::vector<std::string> names = RegistersWithHistory(folder, failed);
    if (names.size() != 1) {
        return QStringLiteral("records: %1").arg(names.size());
    }
    std::string text;
    ReadWholeFile(HistoryPath(folder, names.front()), text);
    const QStringList lines = QString::fromStdString(text).split('\n', Qt::SkipEmptyParts);
    return lines.last().section('\t', 1);
}

const std::string FirstTill = std::string(HistoryHeading) +
                              "\n"
                              "2026-01-10 08:00:00\tizmene\t2\t1001\tMleko\t100.00\t110.00\t\n"
                              "2026-02-01 09:00:00\tizmene\t3\t1002\tHleb\t50.00\t55.00\t\n";
const std::string SecondTill = std::string(HistoryHeading) +
                               "\n"
                               "2026-01-20 10:00:00\tizmena\t5\t2005\tКафа\t300.00\t320.00\t\n";

void WriteTwoTills() {
    const std::string folder = DefaultImageFolder();
    QVERIFY(QDir().mkpath(QString::fromStdString(folder)));
    QVERIFY(ReplaceFileContent(HistoryPath(folder, "TE000001"), FirstTill));
    QVERIFY(ReplaceFileContent(HistoryPath(folder, "TE000002"), SecondTill));
}

// The grid's rows as "till|time|name", top to bottom.
QStringList HistoryRows(const TFormMain& form) {
    const QAbstractItemModel* model = form.TabHistory->GridHistory->model();
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column : {0, 1, 5}) {
            cells << model->index(row, column).data().toString();
        }
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

const QString Milk = QStringLiteral("TE000001|2026-01-10 08:00:00|Mleko");
const QString Bread = QStringLiteral("TE000001|2026-02-01 09:00:00|Hleb");
const QString Coffee = QStringLiteral("TE000002|2026-01-20 10:00:00|Кафа");

void ShowHistory(TFormMain& form) {
    form.PageControl->setCurrentWidget(form.TabHistory);
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT

private slots:
    void init();
    void editIsRecorded();
    void eraseIsRecorded();
    void pageListsTwoTillsAndFilters();
    void nivelacijaSavesWhatThePageShows();
    void pageShowsTheLinesOfALaterOperation();

private:
    std::unique_ptr<QTemporaryDir> Data; // a fresh image folder for each test
};

void TestHistory::init() {
    Data = std::make_unique<QTemporaryDir>();
    QVERIFY(Data->isValid());
    qputenv("XDG_DATA_HOME", Data->path().toLocal8Bit());
}

void TestHistory::editIsRecorded() {
    TestWindow window;
    ListedWindow(window);
    TFormMain& form = window.Form();
    SelectId(form, 5);
    form.RunEditDialog = [&form] {
        form.EditPLU->EditDescription->setText(QStringLiteral("Кафа"));
        form.EditPLU->EditPrice->setText(QStringLiteral("13.75"));
        return true;
    };
    form.StringGridECRDblClick();
    QCOMPARE(LastChange(),
             QStringLiteral("izmena\t5\t505\tКафа\t12.50\t13.75\tNaziv: Pet -> Кафа"));
}

void TestHistory::eraseIsRecorded() {
    TestWindow window;
    ListedWindow(window);
    TFormMain& form = window.Form();
    SelectId(form, 9);
    form.BitBtnEraseClick();
    QVERIFY(window.Register().Articles().count(9) == 0);
    QCOMPARE(LastChange(), QStringLiteral("obrisi\t9\t1009\tA9\t1.00\t\t"));
}

void TestHistory::pageListsTwoTillsAndFilters() {
    WriteTwoTills();
    TestWindow window;
    TFormMain& form = window.Form();
    ShowHistory(form);
    THistoryPage& page = *form.TabHistory;
    QCOMPARE(HistoryRows(form), (QStringList{Bread, Coffee, Milk}));
    QCOMPARE(page.ComboBoxHistoryTill->count(), 3);
    QCOMPARE(page.ComboBoxHistoryTill->itemText(2), QStringLiteral("TE000002"));

    page.ComboBoxHistoryTill->setCurrentIndex(2);
    QCOMPARE(HistoryRows(form), QStringList{Coffee});
    page.ComboBoxHistoryTill->setCurrentIndex(0);

    page.DateEditHistoryFrom->setDate(QDate(2026, 1, 15));
    page.CheckBoxHistoryFrom->setChecked(true);
    QCOMPARE(HistoryRows(form), (QStringList{Bread, Coffee}));
    page.DateEditHistoryTo->setDate(QDate(2026, 1, 31));
    page.CheckBoxHistoryTo->setChecked(true);
    QCOMPARE(HistoryRows(form), QStringList{Coffee});
    page.CheckBoxHistoryFrom->setChecked(false);
    page.CheckBoxHistoryTo->setChecked(false);

    QTest::keyClicks(page.EditHistoryText, QStringLiteral("1001"));
    QCOMPARE(HistoryRows(form), QStringList{Milk});
    page.EditHistoryText->setText(QStringLiteral("кАф"));
    QCOMPARE(HistoryRows(form), QStringList{Coffee});
}

void TestHistory::nivelacijaSavesWhatThePageShows() {
    WriteTwoTills();
    QTemporaryDir files;
    TestWindow window;
    TFormMain& form = window.Form();
    ShowHistory(form);
    form.TabHistory->ComboBoxHistoryTill->setCurrentIndex(1);
    window.ClearLog();
    const QString workbook = files.filePath(QStringLiteral("nivelacija.xlsx"));
    form.ChooseNivelacijaFile = [&workbook] { return workbook; };
    form.TabHistory->BitBtnNivelacija->click();
    QCOMPARE(window.LogLines(),
             QStringList{QStringLiteral("Nivelacija: 2 izmena cene u fajlu %1").arg(workbook)});
    const auto cells = WorkbookSheetCells(workbook.toStdString(), 1);
    QCOMPARE(QString::fromStdString(cells.at("F6").Value), QStringLiteral("Mleko"));
    QCOMPARE(QString::fromStdString(cells.at("F7").Value), QStringLiteral("Hleb"));
    QCOMPARE(QString::fromStdString(cells.at("A8").Value), QStringLiteral("Ukupno"));

    const QString text = files.filePath(QStringLiteral("istorija.txt"));
    form.ChooseNivelacijaFile = [&text] { return text; };
    form.TabHistory->BitBtnNivelacija->click();
    std::string saved;
    QVERIFY(ReadWholeFile(text.toStdString(), saved) == WholeFileRead::Read);
    QCOMPARE(QString::fromStdString(saved), QString::fromStdString(FirstTill));
}

void TestHistory::pageShowsTheLinesOfALaterOperation() {
    TestWindow window;
    ListedWindow(window);
    TFormMain& form = window.Form();
    ShowHistory(form);
    QCOMPARE(HistoryRows(form).size(), 0);
    form.PageControl->setCurrentWidget(form.Talon);
    SelectId(form, 9);
    form.BitBtnErase->click();
    ShowHistory(form);
    const QStringList rows = HistoryRows(form);
    QCOMPARE(rows.size(), 1);
    QVERIFY2(rows.front().endsWith(QStringLiteral("|A9")), qPrintable(rows.front()));
    QCOMPARE(form.TabHistory->ComboBoxHistoryTill->count(), 2);
}

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
