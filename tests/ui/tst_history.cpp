// The window's edit and erase go to the register's record of changes.
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

#include "files/whole_file.h"
#include "image/change_record.h"
#include "image/register_image.h"
#include "operations/history_report.h"
#include "support_articles.h"
#include "support_window.h"
#include "ui/edit/edit_plu.h"
#include "ui/main/form_main.h"
#include "ui/main/grid_rows.h"

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

} // namespace

class TestHistory : public QObject {
    Q_OBJECT

private slots:
    void init();
    void editIsRecorded();
    void eraseIsRecorded();

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

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
