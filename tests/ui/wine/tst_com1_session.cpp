// The window's register work on Windows, through COM1 and the real Win32 serial calls, as
// an operator does it in one session. scripts/test-windows runs it under Wine with the
// Linux register emulator behind the prefix's COM1 (and COM7), and a second one, a
// register of its own, behind COM3.
// The slots run in their order and share one window, as one session does.
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <clocale>

#include "operations/connect_register.h"
#include "tills/till_list.h"
#include "ui/app/application.h"
#include "ui/edit/edit_plu.h"
#include "ui/main/form_main.h"
#include "ui/main/grid_rows.h"
#include "ui/main/history_page.h"
#include "ui/main/port_list.h"
#include "ui/main/registers_model.h"
#include "ui/main/registers_page.h"
#include "ui/progress/progress_box.h"

namespace {

const QString Password = QStringLiteral("7351");
const QString LoggedInLine = QStringLiteral("*** Prijavljivanje - OK ***");
const QString ExampleFile = QStringLiteral("artikli-primer.txt");
const QString EditedPrice = QStringLiteral("123.45");
constexpr int ColumnID = 0;
constexpr int ColumnName = 1;
constexpr int ColumnPrice = 3;
constexpr int Com1Item = 0;
constexpr int MissingPort = 42;
constexpr int FirstEditableRow = 2; // row 1 may hold location 1, which is never touched
// The page Istorija: the till, then the record's columns.
constexpr int HistoryOperation = 2;
constexpr int HistoryNewPrice = 7;
// The saved tills of the page Kase: COM1's register and COM3's.
const char* const TillPorts[] = {"1", "3"};
const double NewPrice = 777.77;

QStringList LogLines() {
    return FormMain->MemoLog->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList Column(const QTableWidget* grid, int column) {
    QStringList cells;
    for (int row = 1; row < GridRowCount(grid); ++row) {
        cells << GridCell(grid, row, column);
    }
    return cells;
}

// The register's articles as "ID|name|price", heading left out.
QStringList RegisterRows() {
    QStringList rows;
    const QTableWidget* grid = FormMain->StringGridECR;
    for (int row = 1; row < GridRowCount(grid); ++row) {
        rows << GridCell(grid, row, ColumnID) + QLatin1Char('|') + GridCell(grid, row, ColumnName) +
                    QLatin1Char('|') + GridCell(grid, row, ColumnPrice);
    }
    return rows;
}

QStringList Failures(const QStringList& lines) {
    return lines.filter(QStringLiteral("Greska"));
}

void List() {
    FormMain->BitBtnList->click();
}

bool Usable() {
    return FormMain->isEnabled() && !ProgressBox->isVisible();
}

} // namespace

class TestCom1Session : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void connectsOnCom1();
    void statusFillsTheLog();
    void eraseAllLeavesOnlyLocationOne();
    void sendsTheExampleFile();
    void editDialogWritesOneArticle();
    void deleteKeyErasesNeighbours();
    void sendChangesRestoresTheFile();
    void historyPageShowsTheSession();
    void savesUnderACyrillicName();
    void escapeStopsASend();
    void portWithoutDeviceSaysWhy();
    void comPortsBeyondFourAreListed();
    void sendsChangesToTwoTills();

private:
    QTemporaryDir Files;
    QStringList SentNames;
};

void TestCom1Session::initTestCase() {
    QVERIFY(Files.isValid());
    CreateWindows();
    FormMain->show();
    FormMain->AskQuestion = [](const QString&) { return true; };
    FormMain->RunEditDialog = [] {
        EditPLU->EditPrice->setText(EditedPrice);
        return true;
    };
}

void TestCom1Session::cleanupTestCase() {
    FormMain->BitBtnDisconnect->click();
    DestroyWindows();
}

void TestCom1Session::init() {
    FormMain->BitBtnClearLog->click();
}

void TestCom1Session::connectsOnCom1() {
    FormMain->ComboBoxPort->setCurrentIndex(Com1Item);
    FormMain->EditPassword->setText(Password);
    FormMain->BitBtnConnect->click();
    QVERIFY2(FormMain->Connected, qPrintable(LogLines().join(QLatin1Char('\n'))));
    QVERIFY(LogLines().contains(LoggedInLine));
}

void TestCom1Session::statusFillsTheLog() {
    FormMain->BitBtnStatus->click();
    const QStringList lines = LogLines();
    QVERIFY2(lines.size() >= 16, qPrintable(lines.join(QLatin1Char('\n'))));
    QVERIFY(lines.first().startsWith(QStringLiteral("Model: ")));
    QVERIFY(Failures(lines).isEmpty());
}

void TestCom1Session::eraseAllLeavesOnlyLocationOne() {
    FormMain->PageControl->setCurrentWidget(FormMain->Talon);
    List();
    FormMain->BitBtnEraseAll->click();
    QVERIFY(Usable());
    List();
    // An empty register shows one empty row.
    QStringList left = RegisterRows().filter(QRegularExpression(QStringLiteral("^\\d+\\|[^|]")));
    left.removeIf([](const QString& row) { return row.startsWith(QStringLiteral("1|")); });
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char(' '))));
}

void TestCom1Session::sendsTheExampleFile() {
    const QString file = QCoreApplication::applicationDirPath() + QLatin1Char('/') + ExampleFile;
    FormMain->ChooseOpenFile = [file] { return file; };
    FormMain->BitBtnOpen->click();
    SentNames = Column(FormMain->StringGridPC, ColumnName);
    QVERIFY2(SentNames.size() >= 10, qPrintable(LogLines().join(QLatin1Char('\n'))));
    QVERIFY(SentNames.join(QString()).contains(QChar(0x0425))); // Cyrillic names among them

    FormMain->BitBtnSend->click();
    QVERIFY(Usable());
    QVERIFY2(Failures(LogLines()).isEmpty(), qPrintable(LogLines().join(QLatin1Char('\n'))));
    List();
    const QStringList listed = Column(FormMain->StringGridECR, ColumnName);
    for (const QString& name : SentNames) {
        QVERIFY2(listed.contains(name), qPrintable(name));
    }
}

void TestCom1Session::editDialogWritesOneArticle() {
    QTableWidget* grid = FormMain->StringGridECR;
    SelectGridRow(grid, FirstEditableRow);
    const QString id = GridCell(grid, FirstEditableRow, ColumnID);
    QVERIFY(id.toInt() > 1);
    const QRect cell = grid->visualRect(grid->model()->index(FirstEditableRow - 1, ColumnName));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QVERIFY(Usable());
    QCOMPARE(GridCell(grid, FirstEditableRow, ColumnPrice), EditedPrice);
    List();
    const int row = Column(grid, ColumnID).indexOf(id) + 1;
    QCOMPARE(GridCell(grid, row, ColumnPrice), EditedPrice);
}

void TestCom1Session::deleteKeyErasesNeighbours() {
    QTableWidget* grid = FormMain->StringGridECR;
    const QStringList before = RegisterRows();
    const int row = FirstEditableRow + 1;
    const QStringList erased = before.mid(row - 1, 2);
    SelectGridRow(grid, row);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Delete);
    QTest::keyClick(grid, Qt::Key_Delete);
    QVERIFY(Usable());
    List();
    QStringList expected = before;
    expected.removeAt(row - 1);
    expected.removeAt(row - 1);
    QCOMPARE(RegisterRows(), expected);
    for (const QString& gone : erased) {
        QVERIFY(!RegisterRows().contains(gone));
    }
}

void TestCom1Session::sendChangesRestoresTheFile() {
    FormMain->PageControl->setCurrentWidget(FormMain->PC);
    FormMain->BitBtnSendChanges->click();
    QVERIFY(Usable());
    QVERIFY2(Failures(LogLines()).isEmpty(), qPrintable(LogLines().join(QLatin1Char('\n'))));
    List();
    QStringList listed = Column(FormMain->StringGridECR, ColumnName);
    QStringList sent = SentNames;
    listed.removeAll(GridCell(FormMain->StringGridECR, 1, ColumnName)); // location 1 may stay
    sent.removeAll(GridCell(FormMain->StringGridECR, 1, ColumnName));
    listed.sort();
    sent.sort();
    QCOMPARE(listed, sent);
    QVERIFY(!Column(FormMain->StringGridECR, ColumnPrice).contains(EditedPrice));
}

// The session's record on the page Istorija (the prefix keeps the records of earlier runs
// too), and its nivelacija saved under a Cyrillic name.
void TestCom1Session::historyPageShowsTheSession() {
    FormMain->PageControl->setCurrentWidget(FormMain->TabHistory);
    const QAbstractItemModel* lines = FormMain->TabHistory->GridHistory->model();
    QVERIFY(lines->rowCount() > SentNames.size());
    QCOMPARE(lines->index(0, HistoryOperation).data().toString(), QStringLiteral("izmene"));
    bool edited = false;
    for (int row = 0; row < lines->rowCount() && !edited; ++row) {
        edited =
            lines->index(row, HistoryOperation).data().toString() == QStringLiteral("izmena") &&
            lines->index(row, HistoryNewPrice).data().toString() == EditedPrice;
    }
    QVERIFY(edited);
    const QString file = Files.filePath(QStringLiteral("нивелација.xlsx"));
    FormMain->ChooseNivelacijaFile = [file] { return file; };
    FormMain->TabHistory->BitBtnNivelacija->click();
    QVERIFY2(QFile::exists(file), qPrintable(LogLines().join(QLatin1Char('\n'))));
    QCOMPARE(
        LogLines()
            .filter(QRegularExpression(QStringLiteral("^Nivelacija: \\d+ izmena cene u fajlu ")))
            .size(),
        1);
}

void TestCom1Session::savesUnderACyrillicName() {
    const QString file = Files.filePath(QStringLiteral("каса.txt"));
    FormMain->ChooseSaveFile = [file] { return file; };
    FormMain->BitBtnSave->click();
    QVERIFY2(QFile::exists(file), qPrintable(LogLines().join(QLatin1Char('\n'))));
    FormMain->ChooseOpenFile = [file] { return file; };
    FormMain->BitBtnOpen->click();
    QCOMPARE(Column(FormMain->StringGridPC, ColumnName).size(),
             Column(FormMain->StringGridECR, ColumnName).size());
}

// Escape in the progress box, pressed while the first article is on its way: the send
// ends between two exchanges and says how far it got.
void TestCom1Session::escapeStopsASend() {
    const int articles = Column(FormMain->StringGridPC, ColumnName).size();
    QVERIFY(articles > 2);
    FormMain->PageControl->setCurrentWidget(FormMain->PC);
    QTimer::singleShot(0, ProgressBox, [] { QTest::keyClick(ProgressBox, Qt::Key_Escape); });
    FormMain->BitBtnSend->click();
    QVERIFY(Usable());
    const QRegularExpression stopped(
        QStringLiteral("^Prekinuto: upisano (\\d+) od (\\d+) artikala$"));
    const QStringList lines = LogLines().filter(stopped);
    QCOMPARE(lines.size(), 1);
    const QRegularExpressionMatch counts = stopped.match(lines.first());
    QCOMPARE(counts.captured(2).toInt(), articles);
    QVERIFY(counts.captured(1).toInt() < articles);
}

// No device stands behind COM42 in the prefix.
void TestCom1Session::portWithoutDeviceSaysWhy() {
    FormMain->BitBtnDisconnect->click();
    FormMain->BitBtnClearLog->click();
    FormMain->Connect(MissingPort, SlowSpeed, Password);
    QVERIFY(!FormMain->Connected);
    QCOMPARE(LogLines(),
             (QStringList{QStringLiteral("Greska u otvaranju konekcije!"),
                          QStringLiteral("Proverite parametre, kabl i podesavanja na kasi."),
                          QStringLiteral("Port COM42 ne postoji.")}));
}

// The prefix maps COM7 to the emulator too, as a USB adapter would appear.
void TestCom1Session::comPortsBeyondFourAreListed() {
    QComboBox* box = FormMain->ComboBoxPort;
    box->showPopup(); // reads the ports anew
    box->hidePopup();
    const int com7 = box->findText(QStringLiteral("COM7"), Qt::MatchStartsWith);
    QStringList items;
    for (int item = 0; item < box->count(); ++item) {
        items << box->itemText(item);
    }
    QVERIFY2(com7 > 3, qPrintable(items.join(QLatin1Char(','))));
    box->setCurrentIndex(com7);
    FormMain->BitBtnConnect->click();
    QVERIFY2(FormMain->Connected,
             qPrintable(items.join(QLatin1Char(',')) + QLatin1Char(' ') + QString::number(com7) +
                        QLatin1Char('\n') + LogLines().join(QLatin1Char('\n'))));
    FormMain->BitBtnDisconnect->click();
}

// Two saved tills, on COM1 and on COM3: new prices of the example file sent to both at
// once from the page Kase, each on a thread of its own through the Win32 serial calls.
void TestCom1Session::sendsChangesToTwoTills() {
    QFile::remove(QString::fromStdString(TillList::DefaultPath())); // an earlier run's
    TRegistersPage* page = FormMain->TabRegisters;
    FormMain->PageControl->setCurrentWidget(page);
    for (const char* port : TillPorts) {
        FormMain->RunRegisterDialog = [port](Till& till, const QStringList&) {
            till.Name = std::string("Kasa COM") + port;
            till.Port = port;
            return true;
        };
        page->ButtonAddRegister->click();
    }
    QCOMPARE(page->Model().rowCount(), 2);
    // Each till listed once through the group "Talon", so that its image can be trusted.
    for (int row = 0; row < 2; ++row) {
        page->GridRegisters->selectRow(row);
        FormMain->GridRegistersDblClick();
        FormMain->BitBtnConnect->click();
        QVERIFY2(FormMain->Connected, qPrintable(LogLines().join(QLatin1Char('\n'))));
        List();
        FormMain->BitBtnDisconnect->click();
    }
    const QString file = QCoreApplication::applicationDirPath() + QLatin1Char('/') + ExampleFile;
    FormMain->ChooseOpenFile = [file] { return file; };
    FormMain->BitBtnOpen->click(); // no connection is needed for the saved tills
    const QStringList ids = Column(FormMain->StringGridPC, ColumnID);
    QVERIFY(ids.size() > FirstEditableRow);
    const int changed = ids[FirstEditableRow].toInt();
    FormMain->ArticlesPC[changed].SetPrice(NewPrice);
    FormMain->BitBtnClearLog->click();

    page->ButtonSendChangesAll->click();
    QVERIFY(Usable());
    const QRegularExpression written(QStringLiteral("^Upisano [1-9]\\d*, isto \\d+$"));
    for (int row = 0; row < 2; ++row) {
        const RegisterRow& till = page->Model().Row(row);
        QVERIFY2(written.match(till.State).hasMatch(),
                 qPrintable(till.State + QLatin1Char('\n') + till.Details.join(QLatin1Char('\n'))));
        QVERIFY2(till.LastWork.endsWith(QStringLiteral(" OK")), qPrintable(till.LastWork));
    }
    QCOMPARE(LogLines()
                 .filter(QRegularExpression(QStringLiteral("^\\[Kasa COM[13]\\] Upisano ")))
                 .size(),
             2);
    // COM3's register holds the new price.
    page->GridRegisters->selectRow(1);
    FormMain->GridRegistersDblClick();
    FormMain->BitBtnConnect->click();
    List();
    const int row = Column(FormMain->StringGridECR, ColumnID).indexOf(QString::number(changed)) + 1;
    QVERIFY(row > 0);
    QCOMPARE(GridCell(FormMain->StringGridECR, row, ColumnPrice), QStringLiteral("777.77"));
    FormMain->BitBtnDisconnect->click();
}

int main(int argc, char* argv[]) {
    Application application(argc, argv);
    std::setlocale(LC_NUMERIC, "C"); // as the program: prices always with "."
    TestCom1Session test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_com1_session.moc"
