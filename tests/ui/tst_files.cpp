// Loading the PC list from an article file and saving the register's list to one,
// through the main window.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "support_articles.h"
#include "support_window.h"
#include "ui/main/file_filters.h"
#include "ui/main/filter_suffix.h"
#include "ui/main/form_main.h"

namespace {

const QString SampleFile = QStringLiteral(TALON_SAMPLES_DIR "/artikli-libreoffice.txt");
const QString NothingTaken = QStringLiteral(
    "Fajl %1 ne sadrzi nijedan artikal (ocekuje se zaglavlje, pa redovi sa nazivom, barkodom i "
    "cenom)");

bool PageReady(const TFormMain& form) {
    return !form.StringGridPC->isHidden() && form.BitBtnSend->isEnabled() &&
           form.BitBtnSort->isEnabled() && form.BitBtnExamine->isEnabled();
}

bool PageIdle(const TFormMain& form) {
    return form.StringGridPC->isHidden() && !form.BitBtnSend->isEnabled() &&
           !form.BitBtnSort->isEnabled() && !form.BitBtnExamine->isEnabled();
}

// Whether a file name matches one of the patterns of a dialog filter ("Name (*.a *.b)").
bool FilterMatches(const QString& filter, const QString& file) {
    const qsizetype open = filter.indexOf(QLatin1Char('('));
    const qsizetype close = filter.lastIndexOf(QLatin1Char(')'));
    const QStringList patterns =
        filter.mid(open + 1, close - open - 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& pattern : patterns) {
        const QRegularExpression wildcard(QRegularExpression::wildcardToRegularExpression(pattern));
        if (wildcard.match(file).hasMatch()) {
            return true;
        }
    }
    return false;
}

} // namespace

class TestFiles : public QObject {
    Q_OBJECT

private slots:
    void sampleLoadsIntoGridAndCancelKeepsIt();
    void unreadableFileIsNamedInLog();
    void secondLoadStartsAfresh();
    void overfullFileReportsLeftOverLines();
    void loadTellsWhatIsNotTaken_data();
    void loadTellsWhatIsNotTaken();
    void saveThenLoadGivesEveryArticleBack_data();
    void saveThenLoadGivesEveryArticleBack();
    void saveAsXlsxWritesAWorkbook();
    void unwritableSaveIsNamedInLog();
    void fileDialogs_data();
    void fileDialogs();
    void openFiltersTakeCsvFirst_data();
    void openFiltersTakeCsvFirst();
    void openDialogExcelTypeLoadsWorkbook();
    void unreadableWorkbookIsNamedAndWindowGoesOn();
    void saveDialogExcelTypeGivesXlsxName();
    void filterSuffix_data();
    void filterSuffix();
};

void TestFiles::sampleLoadsIntoGridAndCancelKeepsIt() {
    TestWindow window;
    QVERIFY(window.ConnectFresh());
    TFormMain& form = window.Form();
    window.LoadFile(SampleFile);

    QVERIFY(PageReady(form));
    QVERIFY(window.LogLines().isEmpty());
    const QStringList expected = {
        QStringLiteral("2|Хлеб бели 500г|5|45.50|1"),
        QStringLiteral("3|Mleko 2.8% 1l|3|89.99|1"),
        QStringLiteral("4|Sok \"Jabuka\" 1l|4|120.00|2"),
        QStringLiteral("5|Јогурт 180г|8600043000017|75.20|1"),
        QStringLiteral("6|Cokolada mlecna 100g|100|150.00|1"),
        QStringLiteral("7|Sljivovica 0.7l|100|1450.00|2"),
        QStringLiteral("8|Кафа млевена 200г|8606101234567|389.90|1"),
        QStringLiteral("9|Zvake|7|30.00|1"),
        QStringLiteral("10|Devrek|12|55.00|1"),
        QStringLiteral("11|Pivo, limenka 0.5l|2399|95.00|2"),
        QStringLiteral("12|Кромпир|2400|69.99|1"),
        QStringLiteral("13|Jabuke crvene|1|119.00|1"),
        QStringLiteral("14|Банане|5|159.00|1"),
        QStringLiteral("15|Vrlo dugacak naziv artikla preko sesnaest|8600000000001234|10.00|1"),
        QStringLiteral("16|Keks 1500|1500|85.00|1"),
        QStringLiteral("17|Hleb 12.5|12.5|40.00|1"),
    };
    QCOMPARE(TestWindow::DataRows(form.StringGridPC), expected);
    QVERIFY(!IsPresent(form.ArticlesPC[0]));
    QVERIFY(!IsPresent(form.ArticlesPC[1]));
    QVERIFY(!IsPresent(form.ArticlesPC[18]));
    // A cancelled dialog loads nothing and keeps what was loaded.
    window.LoadFile(QString());
    QVERIFY(PageReady(form));
    QCOMPARE(TestWindow::DataRows(form.StringGridPC), expected);
}

void TestFiles::unreadableFileIsNamedInLog() {
    TestWindow window;
    QVERIFY(window.ConnectFresh());
    const QString missing = QStringLiteral("/nonexistent-folder/artikli.txt");
    window.LoadFile(missing);

    QCOMPARE(window.LogLines(),
             QStringList{QStringLiteral("Greska: fajl %1 nije moguce ucitati").arg(missing)});
    QVERIFY(PageIdle(window.Form()));
}

void TestFiles::secondLoadStartsAfresh() {
    QTemporaryDir dir;
    const QString one = dir.filePath("one.txt");
    const QString empty = dir.filePath("empty.txt");
    WriteArticleFile(one, {ArticleFileHeading, ArticleLine("Prvi", "11", "1.5")});
    WriteArticleFile(empty, {ArticleLine("Samo naslov", "12", "2")}); // one line: discarded
    TestWindow window;
    QVERIFY(window.ConnectFresh());
    TFormMain& form = window.Form();
    window.LoadFile(one);
    QVERIFY(PageReady(form));

    window.LoadFile(empty);
    QVERIFY(PageIdle(form));
    QVERIFY(!IsPresent(form.ArticlesPC[2]));
    // The lone line is an article, skipped as the heading: both are said.
    QCOMPARE(window.LogLines(),
             (QStringList{QStringLiteral("Prvi red se preskace kao zaglavlje: \"Samo naslov\""),
                          NothingTaken.arg(empty)}));
}

void TestFiles::overfullFileReportsLeftOverLines() {
    constexpr int Lines = 3005;
    QTemporaryDir dir;
    const QString path = dir.filePath("full.txt");
    QStringList lines{ArticleFileHeading};
    for (int i = 0; i < Lines; ++i) {
        lines << ArticleLine(QStringLiteral("Artikal %1").arg(i), QString::number(10000 + i), "1");
    }
    WriteArticleFile(path, lines);
    TestWindow window;
    QVERIFY(window.ConnectFresh());
    TFormMain& form = window.Form();
    window.LoadFile(path);

    QCOMPARE(window.LogLines(),
             QStringList{QStringLiteral("Nije ucitano 7 redova (najvise 2998 artikala)")});
    QVERIFY(PageReady(form));
    QCOMPARE(TestWindow::Rows(form.StringGridPC), 2999);
    QCOMPARE(TestWindow::Row(form.StringGridPC, 2998),
             QStringLiteral("2999|Artikal 2997|12997|1.00|0"));
}

void TestFiles::loadTellsWhatIsNotTaken_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("log"); // %1 stands for the file's path
    QTest::addColumn<QStringList>("rows");
    // A spreadsheet's "CSV UTF-8" export in a decimal-comma locale, the operator's rows.
    const QString csv = QStringLiteral("Naziv;Barkod;Cena;Poreska stopa\r\n"
                                       "Sok;11;12,50;1\r\n"
                                       "Keks;12;1.250,00;1\r\n"
                                       "Pivo;13;1,250.00;2\r\n"
                                       "Kafa;14;12,50 din;1\r\n"
                                       "Cips;15;1e999;1\r\n"
                                       "Хлеб;\"0100\";\"45,50\";\"2\"\r\n"
                                       "Mleko;8.60004E+12;89,99;1\r\n"
                                       "Jaja;16;20;x\r\n");
    QTest::newRow("spreadsheet rows")
        << ("\xEF\xBB\xBF" + csv.toUtf8())
        << QStringList{"Red 3: neispravna cena \"1.250,00\"",
                       "Red 4: neispravna cena \"1,250.00\"",
                       "Red 5: neispravna cena \"12,50 din\"",
                       "Red 6: neispravna cena \"1e999\"",
                       "Red 8: barkod \"8.60004E+12\" je u obliku broja sa eksponentom",
                       "Red 9: neispravno polje 4 \"x\""}
        << QStringList{"2|Sok|11|12.50|1", "3|Хлеб|0100|45.50|2"};
    QTest::newRow("no heading") << Utf16LE(QStringLiteral("Sok\t11\t12.5\r\nKeks\t12\t3\r\n"))
                                << QStringList{"Prvi red se preskace kao zaglavlje: \"Sok\""}
                                << QStringList{"2|Keks|12|3.00|0"};
    QString many = QStringLiteral("Naziv\tBarkod\tCena\n");
    for (int line = 2; line <= 24; ++line) {
        many += QStringLiteral("A%1\t%1\t%1,00 RSD\n").arg(line);
    }
    QStringList manyLog;
    for (int line = 2; line <= 21; ++line) {
        manyLog << QStringLiteral("Red %1: neispravna cena \"%1,00 RSD\"").arg(line);
    }
    manyLog << QStringLiteral("... i jos 3 redova nije ucitano") << NothingTaken;
    QTest::newRow("twenty lines told, the rest counted")
        << Utf16LE(many) << manyLog << QStringList{};
}

void TestFiles::loadTellsWhatIsNotTaken() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, log);
    QFETCH(QStringList, rows);
    QTemporaryDir dir;
    const QString path = dir.filePath("artikli.txt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
    file.close();
    TestWindow window;
    QVERIFY(window.ConnectFresh());
    window.LoadFile(path);

    for (QString& line : log) {
        line = line.contains(QStringLiteral("%1")) ? line.arg(path) : line;
    }
    QCOMPARE(window.LogLines(), log);
    QCOMPARE(rows.isEmpty() ? PageIdle(window.Form()) : PageReady(window.Form()), true);
    if (!rows.isEmpty()) {
        QCOMPARE(TestWindow::DataRows(window.Form().StringGridPC), rows);
    }
}

void TestFiles::saveThenLoadGivesEveryArticleBack_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("text") << QStringLiteral("register.txt");
    // Needs "Ucitaj" to open workbooks.
    QTest::newRow("xlsx") << QStringLiteral("register.xlsx");
}

void TestFiles::saveThenLoadGivesEveryArticleBack() {
    QFETCH(QString, name);
    const char* const lines[] = {
        "\"Prvi\"\t101\t12.5\t1\t2\t3\t1\t0\t1\t4\t2.5\t-7.9",
        "\"Drugi\"\t102\t3.14\t2\t1\t0\t0\t1\t0\t0\t0.125\t1234.56",
        "\"Treci\"\t103\t99.99\t3\t4\t5\t1\t1\t1\t2\t0\t0",
    };
    const int locations[] = {1, 5, 9};
    TestWindow window;
    for (int i = 0; i < 3; ++i) {
        window.Register().SetArticle(locations[i], ArticleFromLine(lines[i]));
    }
    QVERIFY(window.ConnectAndList());
    TFormMain& form = window.Form();
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    window.SaveFile(path);
    window.LoadFile(path);

    QVERIFY(window.LogLines().isEmpty());
    QVERIFY(PageReady(form));
    QCOMPARE(TestWindow::Rows(form.StringGridPC), 4);
    const int listed[] = {0, 5, 9}; // the listing stores its first answer at index 0
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(ArticleFields(form.ArticlesPC[2 + i]), ArticleFields(form.ArticlesECR[listed[i]]));
        QCOMPARE(ArticleFields(form.ArticlesPC[2 + i]), ArticleFields(ArticleFromLine(lines[i])));
    }
}

void TestFiles::saveAsXlsxWritesAWorkbook() {
    TestWindow window;
    window.Register().SetArticle(4, MakeArticle("Jedan", "0100", 1.5));
    QVERIFY(window.ConnectAndList());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kasa.XLSX"));
    window.SaveFile(path);
    QVERIFY(window.LogLines().isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(4), QByteArray("PK\x03\x04")); // a zip, as every .xlsx is
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("kasa.XLSX")});
}

void TestFiles::unwritableSaveIsNamedInLog() {
    TestWindow window;
    window.Register().SetArticle(1, MakeArticle("Jedan", "1", 1.0));
    QVERIFY(window.ConnectAndList());
    const QString path = QStringLiteral("/nonexistent-folder/register.txt");
    window.SaveFile(path);
    QCOMPARE(window.LogLines(),
             QStringList{QStringLiteral("Greska: fajl %1 nije moguce snimiti").arg(path)});
}

void TestFiles::fileDialogs_data() {
    QTest::addColumn<bool>("open");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("filters");
    QTest::newRow("open") << true << QStringLiteral("OpenDialog") << QStringLiteral("Open")
                          << QStringList{
                                 QStringLiteral("Tabele i tekst (*.xlsx *.ods *.txt *.csv)"),
                                 QStringLiteral("Excel (*.xlsx)"),
                                 QStringLiteral("OpenDocument (*.ods)"),
                                 QStringLiteral("Tekst i CSV (*.txt *.csv)"),
                                 QStringLiteral("UNICODE (*.txt)"),
                                 QStringLiteral("Svi fajlovi (*)")};
    QTest::newRow("save") << false << QStringLiteral("SaveDialog") << QStringLiteral("Save As")
                          << QStringList{QStringLiteral("UNICODE (*.txt)"),
                                         QStringLiteral("Excel (*.xlsx)")};
}

void TestFiles::fileDialogs() {
    QFETCH(bool, open);
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(QStringList, filters);
    TestWindow window;
    TFormMain& form = window.Form();
    QStringList seen;
    // The dialog runs modally: look at it once it is up, then cancel it.
    QTimer::singleShot(0, [&seen] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        seen << dialog->objectName() << dialog->windowTitle() << dialog->nameFilters()
             << dialog->defaultSuffix();
        dialog->reject();
    });
    const QString chosen = open ? form.ChooseOpenFile() : form.ChooseSaveFile();
    QVERIFY(chosen.isEmpty()); // cancelled
    QCOMPARE(seen, (QStringList{name, title} + filters + QStringList{QStringLiteral("txt")}));
}

void TestFiles::openFiltersTakeCsvFirst_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QList<bool>>("matches"); // by each filter, in the dialog's order
    // Filters: all kinds, Excel, OpenDocument, text and CSV, UNICODE, any file.
    QTest::newRow("csv") << QStringLiteral("artikli.csv")
                         << QList<bool>{true, false, false, true, false, true};
    QTest::newRow("txt") << QStringLiteral("artikli.txt")
                         << QList<bool>{true, false, false, true, true, true};
    QTest::newRow("xlsx") << QStringLiteral("cenovnik.xlsx")
                          << QList<bool>{true, true, false, false, false, true};
    QTest::newRow("ods") << QStringLiteral("cenovnik.ods")
                         << QList<bool>{true, false, true, false, false, true};
    QTest::newRow("other") << QStringLiteral("artikli.xls")
                           << QList<bool>{false, false, false, false, false, true};
}

void TestFiles::openFiltersTakeCsvFirst() {
    QFETCH(QString, file);
    QFETCH(QList<bool>, matches);
    const QStringList filters = QString::fromLatin1(OpenFileFilters).split(QStringLiteral(";;"));
    QList<bool> matched;
    for (const QString& filter : filters) {
        matched << FilterMatches(filter, file);
    }
    QCOMPARE(matched, matches);
}

// The Open dialog itself, its Excel type chosen: the workbook's articles reach the grid.
void TestFiles::openDialogExcelTypeLoadsWorkbook() {
    QTemporaryDir dir;
    const QString workbook = dir.filePath(QStringLiteral("cenovnik.xlsx"));
    QVERIFY(QFile::copy(QStringLiteral(TALON_SAMPLES_DIR "/cenovnik-libreoffice.xlsx"), workbook));
    QVERIFY(QFile::copy(SampleFile, dir.filePath(QStringLiteral("artikli.txt"))));
    TestWindow window;
    QVERIFY(window.ConnectFresh());
    TFormMain& form = window.Form();
    QString chosenType;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        dialog->setDirectory(dir.path());
        dialog->selectNameFilter(QStringLiteral("Excel (*.xlsx)"));
        chosenType = dialog->selectedNameFilter();
        dialog->selectFile(workbook);
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog::accept, as Open does
    });
    form.BitBtnOpen->click();

    QCOMPARE(chosenType, QStringLiteral("Excel (*.xlsx)"));
    QVERIFY(PageReady(form));
    QCOMPARE(window.LogLines(),
             QStringList{QStringLiteral("Red 9: neispravna cena \"2026-12-08\"")});
    const QStringList expected = {
        QStringLiteral("2|Хлеб бели 500г|8600001000011|65.00|2"),
        QStringLiteral("3|Mleko 2,8% 1l|8600001000028|129.99|2"),
        QStringLiteral("4|Cokolada mlecna|8600001000035|189.50|1"),
        QStringLiteral("5|Sok|0100|99.00|2"),
        QStringLiteral("6|Kafa 200g|8600041234567|144.00|2"),
        QStringLiteral("7|Voda 1,5l|5449000000996|45.50|2"),
        QStringLiteral("8|Pivo \"Jelen\" 0,5l|8600001000112|89.90|2"),
    };
    QCOMPARE(TestWindow::DataRows(form.StringGridPC), expected);
}

void TestFiles::unreadableWorkbookIsNamedAndWindowGoesOn() {
    QTemporaryDir dir;
    const QString old = dir.filePath(QStringLiteral("stari.xls"));
    QFile file(old);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(512, '\0'));
    file.close();
    TestWindow window;
    QVERIFY(window.ConnectFresh());
    TFormMain& form = window.Form();
    window.LoadFile(SampleFile);
    QVERIFY(PageReady(form));
    window.LoadFile(old);
    QCOMPARE(window.LogLines(),
             QStringList{QStringLiteral("Fajl %1 nije moguce procitati kao tabelu (stari Excel "
                                        "format (.xls))")
                             .arg(old)});
    QVERIFY(PageIdle(form));
    QVERIFY(!IsPresent(form.ArticlesPC[2]));
    window.LoadFile(QStringLiteral(TALON_SAMPLES_DIR "/cenovnik-libreoffice.ods"));
    QVERIFY(PageReady(form));
    QCOMPARE(TestWindow::Rows(form.StringGridPC), 8);
}

// Picking the Excel type and typing a bare name gives an .xlsx name; the text type
// stays the default.
void TestFiles::saveDialogExcelTypeGivesXlsxName() {
    TestWindow window;
    QTemporaryDir dir;
    QStringList suffixes;
    QTimer::singleShot(0, [&suffixes, &dir] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        auto* types = dialog == nullptr ? nullptr : dialog->findChild<QComboBox*>("fileTypeCombo");
        auto* name = dialog == nullptr ? nullptr : dialog->findChild<QLineEdit*>("fileNameEdit");
        if (types == nullptr || name == nullptr) {
            if (dialog != nullptr) {
                dialog->reject();
            }
            return;
        }
        suffixes << dialog->defaultSuffix();
        QTest::keyClick(types, Qt::Key_Down); // as the user picks the next type
        suffixes << types->currentText() << dialog->defaultSuffix();
        dialog->setDirectory(dir.path());
        name->setText(QStringLiteral("cenovnik"));
        QTest::keyClick(name, Qt::Key_Return); // the dialog's default button: Save
    });
    const QString chosen = window.Form().ChooseSaveFile();
    QCOMPARE(suffixes, (QStringList{QStringLiteral("txt"), QStringLiteral("Excel (*.xlsx)"),
                                    QStringLiteral("xlsx")}));
    QCOMPARE(QFileInfo(chosen).fileName(), QStringLiteral("cenovnik.xlsx"));
}

void TestFiles::filterSuffix_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("text") << QStringLiteral("UNICODE (*.txt)") << QStringLiteral("txt");
    QTest::newRow("excel") << QStringLiteral("Excel (*.xlsx)") << QStringLiteral("xlsx");
    QTest::newRow("first of two") << QStringLiteral("Tekst i CSV (*.txt *.csv)")
                                  << QStringLiteral("txt");
    QTest::newRow("any file") << QStringLiteral("Svi fajlovi (*)") << QString();
    QTest::newRow("wildcard in it") << QStringLiteral("Stari (*.xl?)") << QString();
    QTest::newRow("no patterns") << QStringLiteral("Excel") << QString();
}

void TestFiles::filterSuffix() {
    QFETCH(QString, filter);
    QFETCH(QString, suffix);
    QCOMPARE(FilterSuffix(filter), suffix);
}

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
