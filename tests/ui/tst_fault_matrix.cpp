// Every register operation of the window against every fault of the line: the operation
// ends, the window is usable, the log tells what happened, the tables hold nothing the
// register did not confirm, and the next operation works once the register answers.
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "serial/port_devices.h"
#include "support_articles.h"
#include "support_window.h"
#include "ui/common/error_display.h"
#include "ui/edit/edit_plu.h"
#include "ui/main/form_main.h"
#include "ui/main/grid_rows.h"
#include "ui/progress/progress_box.h"

namespace {

enum class Op { Connect, Print, Status, Send, List, Erase, EraseAll, Arrange, Edit };
enum class Fault { Silence, Cut, Nul, Garbage, Refusal, Vanish };

const char* const OpNames[] = {"connect", "print",     "status",  "send", "list",
                               "erase",   "erase-all", "arrange", "edit"};
const char* const FaultNames[] = {"silence", "cut", "nul", "garbage", "refusal", "vanish"};
constexpr Op AllOps[] = {Op::Connect, Op::Print,    Op::Status,  Op::Send, Op::List,
                         Op::Erase,   Op::EraseAll, Op::Arrange, Op::Edit};
constexpr Fault AllFaults[] = {Fault::Silence, Fault::Cut,     Fault::Nul,
                               Fault::Garbage, Fault::Refusal, Fault::Vanish};

// One per-byte time-out is 1 s; the guard only catches a hang, it times nothing.
constexpr qint64 HangGuardMs = 5000;
constexpr int CutKeepBytes = 4; // ESC "P" and the two head bytes, no terminator
constexpr int NulPosition = 3;  // inside the reply's head
// Bytes without the terminator, so that the reply ends in the time-out.
const std::string GarbageBytes = "\x01\x7FGARBAGE\xFF";
constexpr int RefusalCode = 122;
constexpr std::size_t FloodBytes = 192 * 1024; // a reply is a few hundred bytes at most
const QString RefusalLine = QStringLiteral("Greska 122: Nije jedinstven bar kod");
const QString& TimeoutLine = LinkTimeoutLine;
// A whole reply that is not the register's.
const QString BadReplyLine =
    QStringLiteral("Greska u komunikaciji: kasa je poslala neispravan odgovor. Pokusajte ponovo.");
// The link meets the vanished device first when it drops stale input before a command.
const QString& VanishedLine = PortGoneLine;
constexpr int StatusLineCount = 16;
const QString NewName = QStringLiteral("NOVO");

// The register holds locations 1, 5 and 9; the file puts barcodes 5, 3, 4 at 2, 3, 4.
const QStringList RegisterRows = {QStringLiteral("1|ALFA|101|1.00|0"),
                                  QStringLiteral("5|BETA|105|1.00|0"),
                                  QStringLiteral("9|GAMA|109|1.00|0")};
const QStringList LoadedRows = {QStringLiteral("2|JEDAN|5|1.00|0"),
                                QStringLiteral("3|DVA|3|1.00|0"), QStringLiteral("4|TRI|4|1.00|0")};
const QStringList ArrangedRows = {QStringLiteral("3|DVA|3|1.00|0"),
                                  QStringLiteral("4|TRI|4|1.00|0"),
                                  QStringLiteral("5|JEDAN|5|1.00|0")};
constexpr int BetaGridRow = 2;

QStringList GridRows(const QTableWidget* grid) {
    return TestWindow::DataRows(grid);
}

QStringList TableFields(const ArticleTable& table) {
    QStringList fields;
    for (const TalonPLUItem& item : table) {
        fields << ArticleFields(item) +
                      QStringLiteral("|%1|%2").arg(item.GetThisID()).arg(item.GetNextID());
    }
    return fields;
}

// What the two tables and their grids hold, to show that a failed operation kept it.
struct Snapshot {
    QStringList PC, ECR, GridPC, GridECR;
};

Snapshot Take(const TFormMain& form) {
    return {TableFields(form.ArticlesPC), TableFields(form.ArticlesECR),
            GridRows(form.StringGridPC), GridRows(form.StringGridECR)};
}

// One matrix case: a window on its own emulator, the error display captured.
struct Case {
    QTemporaryDir Dir;
    TestWindow Window;
    CapturedErrors Errors;
    TFormMain& Form() { return Window.Form(); }
};

void PutRegisterArticles(TestWindow& window) {
    window.Register().SetArticle(1, MakeArticle("ALFA", "101", 1.0));
    window.Register().SetArticle(5, MakeArticle("BETA", "105", 1.0));
    window.Register().SetArticle(9, MakeArticle("GAMA", "109", 1.0));
}

void LoadFile(Case& c) {
    const QString path = c.Dir.filePath(QStringLiteral("artikli.txt"));
    WriteArticleFile(path, {ArticleFileHeading, ArticleLine("JEDAN", "5", "1.00"),
                            ArticleLine("DVA", "3", "1.00"), ArticleLine("TRI", "4", "1.00")});
    c.Window.LoadFile(path);
}

void List(Case& c) {
    c.Form().BitBtnList->click();
}

// The state each operation needs before the fault strikes.
bool Prepare(Case& c, Op op) {
    PutRegisterArticles(c.Window);
    if (op == Op::Connect) {
        c.Window.ClearLog();
        return true;
    }
    if (!c.Window.ConnectFresh()) {
        return false;
    }
    if (op == Op::Send || op == Op::Arrange) {
        LoadFile(c);
    }
    if (op == Op::Send) {
        c.Form().BitBtnStatus->click(); // the register known, the fault strikes the writes
    }
    if (op == Op::Erase || op == Op::EraseAll || op == Op::Edit) {
        List(c);
        SelectGridRow(c.Form().StringGridECR, BetaGridRow);
    }
    c.Window.ClearLog();
    c.Window.ClearReceived();
    return true;
}

// Answers before the register falls silent, so that the silence strikes inside the
// operation (a later article) where the operation has more than one exchange.
int AnswersBeforeSilence(Op op) {
    switch (op) {
    case Op::Send:
    case Op::EraseAll:
        return 1; // the first article goes through
    case Op::List:
        return 2; // the status and the first read
    default:
        return 0;
    }
}

void Inject(TalonEmulator& reg, Op op, Fault fault) {
    switch (fault) {
    case Fault::Silence:
        reg.GoSilentAfter(AnswersBeforeSilence(op));
        break;
    case Fault::Cut:
        reg.CutNextReply(CutKeepBytes);
        break;
    case Fault::Nul:
        reg.NulInNextReply(NulPosition);
        break;
    case Fault::Garbage:
        reg.GarbageNextReply(GarbageBytes);
        break;
    case Fault::Refusal:
        reg.RefuseNextCommand(RefusalCode);
        break;
    case Fault::Vanish:
        reg.CloseDevice();
        break;
    }
}

void EditToNewName(Case& c) {
    c.Form().RunEditDialog = [&c] {
        c.Form().EditPLU->EditDescription->setText(NewName);
        return true;
    };
    RunHandler([&c] { c.Form().StringGridECRDblClick(); });
}

void Run(Case& c, Op op) {
    TFormMain& form = c.Form();
    switch (op) {
    case Op::Connect:
        c.Window.Connect();
        break;
    case Op::Print:
        form.CheckBoxPrint->click();
        break;
    case Op::Status:
        form.BitBtnStatus->click();
        break;
    case Op::Send:
        form.BitBtnSend->click();
        break;
    case Op::List:
        List(c);
        break;
    case Op::Erase:
        form.BitBtnErase->click();
        break;
    case Op::EraseAll:
        form.BitBtnEraseAll->click();
        break;
    case Op::Arrange:
        form.BitBtnSort->click();
        break;
    case Op::Edit:
        EditToNewName(c);
        break;
    }
}

// The log lines the failure gives; the status report's refusal is checked on its own.
QStringList ExpectedLog(Op op, Fault fault) {
    const QString link = fault == Fault::Vanish ? VanishedLine : TimeoutLine;
    const bool refused = fault == Fault::Refusal;
    const QString failure = refused ? RefusalLine : link;
    switch (op) {
    case Op::Connect:
        return refused ? QStringList{LoggedInLine}
                       : ConnectFailedLines; // a refused log-out is ignored
    case Op::Print:
    case Op::Status:
        return {failure};
    case Op::Send:
        if (refused) {
            return {QStringLiteral("JEDAN"), RefusalLine,
                    QStringLiteral("Posalji: upisano 2 od 3 artikala, odbijeno 1")};
        }
        return {fault == Fault::Silence ? QStringLiteral("DVA") : QStringLiteral("JEDAN"), link};
    case Op::List: // a refused status goes unseen
        return refused ? QStringList{QStringLiteral("Procitano 3 artikala")}
                       : QStringList{link, ListIncompleteLine};
    case Op::Arrange:
        return refused ? QStringList{} : QStringList{link};
    case Op::Erase:
        return refused ? QStringList{QStringLiteral("BETA"), RefusalLine}
                       : QStringList{QStringLiteral("BETA"), link, ListIncompleteLine};
    case Op::EraseAll:
        if (refused) {
            return {QStringLiteral("BETA"), RefusalLine, QStringLiteral("Obrisano 1 artikala"),
                    QStringLiteral("Procitano 2 artikala")};
        }
        return {fault == Fault::Silence ? QStringLiteral("GAMA") : QStringLiteral("BETA"), link,
                ListIncompleteLine};
    case Op::Edit:
        // Named before the link's line too, as a send names the article on the line.
        return refused ? QStringList{NewName, RefusalLine} : QStringList{NewName, link};
    }
    return {};
}

void CheckLog(Case& c, Op op, Fault fault) {
    const QStringList lines = c.Window.LogLines();
    if (op == Op::Status && fault == Fault::Refusal) {
        // The status request has no result to judge: the sixteen lines come regardless.
        QCOMPARE(lines.size(), StatusLineCount);
        QVERIFY(lines.first().startsWith(QStringLiteral("Model: ")));
        QVERIFY(lines.last().startsWith(QStringLiteral("Ambalaza: ")));
        return;
    }
    if (op == Op::Connect && fault == Fault::Vanish) {
        // The device is gone before the port opens: the reason follows the two lines.
        QCOMPARE(lines.mid(0, 2), ConnectFailedLines);
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[2].startsWith(QLatin1String("Port /dev/")));
        QVERIFY(lines[2].endsWith(QLatin1String(" ne postoji.")));
        return;
    }
    QCOMPARE(lines, ExpectedLog(op, fault));
}

// Every listed entry is an article the register reported, field for field.
void CheckListedMatchRegister(Case& c) {
    const auto held = c.Window.Register().Articles();
    for (const TalonPLUItem& entry : c.Form().ArticlesECR) {
        if (!IsPresent(entry)) {
            continue;
        }
        const auto found = held.find(entry.GetThisID());
        QVERIFY2(found != held.end(), qPrintable(ArticleFields(entry)));
        QCOMPARE(ArticleFields(entry), ArticleFields(found->second));
    }
}

void CheckSendStopped(Case& c, Fault fault) {
    const std::vector<int> written = CommandNumbers(c.Window.Commands(), WritePrefix);
    if (fault == Fault::Refusal) {
        QCOMPARE(written, (std::vector<int>{2, 3, 4})); // a refusal never stops the loop
    } else if (fault == Fault::Silence) {
        QCOMPARE(written, (std::vector<int>{2, 3}));
    } else if (fault != Fault::Vanish) {
        QCOMPARE(written, (std::vector<int>{2}));
    }
}

void CheckTables(Case& c, Op op, Fault fault, const Snapshot& before) {
    TFormMain& form = c.Form();
    const Snapshot after = Take(form);
    if (op != Op::Arrange) {
        QCOMPARE(after.PC, before.PC); // arranging is checked on its own
    }
    if (op == Op::Connect) {
        QCOMPARE(form.Connected, fault == Fault::Refusal);
        QCOMPARE(form.BitBtnConnect->isEnabled(), !form.Connected);
        return;
    }
    QVERIFY(form.Connected); // a failed operation keeps the connection
    if (op == Op::List) {
        CheckListedMatchRegister(c);
        return;
    }
    if (op == Op::EraseAll && fault == Fault::Refusal) {
        // The refused article stays and the listing after the loop shows it.
        QCOMPARE(GridRows(form.StringGridECR), (QStringList{RegisterRows[0], RegisterRows[1]}));
        return;
    }
    if (op == Op::EraseAll && fault == Fault::Silence) {
        // BETA went before the register fell silent; the grid no longer shows it.
        QVERIFY(!IsPresent(form.ArticlesECR[5]));
        QCOMPARE(GridRows(form.StringGridECR), (QStringList{RegisterRows[0], RegisterRows[2]}));
        return;
    }
    QCOMPARE(after.ECR, before.ECR);
    QCOMPARE(after.GridECR, before.GridECR);
    if (op == Op::Send) {
        CheckSendStopped(c, fault);
    }
}

void CheckArrangement(Case& c, Fault fault, const Snapshot& before) {
    const QStringList rows = GridRows(c.Form().StringGridPC);
    if (fault == Fault::Refusal) {
        QCOMPARE(rows, ArrangedRows); // no version text: the 2400 limit, arranged
    } else {
        QCOMPARE(rows, LoadedRows);
        QCOMPARE(TableFields(c.Form().ArticlesPC), before.PC);
    }
}

// Lets the register answer again; a vanished device comes back as a new one, which the
// program reaches by connecting afresh.
void Recover(Case& c, Op op, Fault fault) {
    TalonEmulator& reg = c.Window.Register();
    reg.Resume();
    if (fault == Fault::Vanish) {
        reg.Start();
        RegisterPortDevice(c.Window.Port(), reg.DevicePath());
    }
    if (fault == Fault::Vanish || op == Op::Connect) {
        c.Form().BitBtnDisconnect->click(); // a connect that succeeded is tried again
    }
    if (op != Op::Connect && fault == Fault::Vanish) {
        QVERIFY(c.Window.Connect());
    }
    c.Window.ClearLog();
}

void CheckRegisterNames(Case& c, const std::map<int, QString>& names) {
    const auto held = c.Window.Register().Articles();
    QCOMPARE(held.size(), names.size());
    for (const auto& [location, name] : names) {
        QVERIFY(held.count(location) == 1);
        QCOMPARE(QString::fromLatin1(held.at(location).GetDescription().Text()), name);
    }
}

// The same operation, or the one that naturally follows, now succeeds.
void CheckNextWorks(Case& c, Op op) {
    TFormMain& form = c.Form();
    if (op == Op::Erase || op == Op::EraseAll || op == Op::Edit) {
        List(c);
        QCOMPARE(c.Window.LogLines().size(), 1);
        QVERIFY(c.Window.LogLines().first().startsWith(QLatin1String("Procitano ")));
        QVERIFY(!form.StringGridECR->isHidden());
        c.Window.ClearLog();
    }
    if (op == Op::Send || op == Op::Arrange) {
        LoadFile(c); // a new connection starts the PC page afresh
    }
    switch (op) {
    case Op::Connect:
        QVERIFY(c.Window.Connect());
        QCOMPARE(c.Window.LogLines(), QStringList{LoggedInLine});
        return;
    case Op::Print:
        form.CheckBoxPrint->click();
        QCOMPARE(c.Window.LogLines(), QStringList{QStringLiteral("OK")});
        return;
    case Op::Status:
        form.BitBtnStatus->click();
        QCOMPARE(c.Window.LogLines().size(), StatusLineCount);
        QVERIFY(c.Window.LogLines().contains(QStringLiteral("Artikala: 3")));
        return;
    case Op::Send:
        form.BitBtnSend->click();
        QCOMPARE(c.Window.LogLines(),
                 QStringList{QStringLiteral("Posalji: upisano 3 od 3 artikala")});
        CheckRegisterNames(
            c, {{1, "ALFA"}, {2, "JEDAN"}, {3, "DVA"}, {4, "TRI"}, {5, "BETA"}, {9, "GAMA"}});
        return;
    case Op::List:
        List(c);
        QCOMPARE(c.Window.LogLines(), QStringList{QStringLiteral("Procitano 3 artikala")});
        QCOMPARE(GridRows(form.StringGridECR), RegisterRows);
        return;
    case Op::Erase: {
        const int last = TestWindow::Rows(form.StringGridECR) - 1;
        QCOMPARE(TestWindow::Cell(form.StringGridECR, last, 0), QStringLiteral("9"));
        SelectGridRow(form.StringGridECR, last);
        form.BitBtnErase->click();
        QCOMPARE(c.Window.LogLines(), QStringList{});
        QCOMPARE(c.Window.Register().Articles().count(9), std::size_t{0});
        QVERIFY(!GridRows(form.StringGridECR).contains(RegisterRows[2]));
        return;
    }
    case Op::EraseAll:
        form.BitBtnEraseAll->click();
        QCOMPARE(c.Window.LogLines().size(), 2); // the erasures' count, then the new listing's
        QCOMPARE(c.Window.LogLines().last(), QStringLiteral("Procitano 1 artikala"));
        QCOMPARE(GridRows(form.StringGridECR), QStringList{RegisterRows[0]});
        return;
    case Op::Arrange:
        form.BitBtnSort->click();
        QCOMPARE(c.Window.LogLines(), QStringList{});
        QCOMPARE(GridRows(form.StringGridPC), ArrangedRows);
        return;
    case Op::Edit:
        SelectGridRow(form.StringGridECR, BetaGridRow);
        EditToNewName(c);
        QCOMPARE(c.Window.LogLines(), QStringList{});
        QCOMPARE(TestWindow::Cell(form.StringGridECR, BetaGridRow, 1), NewName);
        CheckRegisterNames(c, {{1, "ALFA"}, {5, "NOVO"}, {9, "GAMA"}});
        return;
    }
}

bool WindowUsable(Case& c) {
    return c.Window.Usable();
}

} // namespace

class TestFaultMatrix : public QObject {
    Q_OBJECT

private slots:
    void operationUnderFault_data();
    void operationUnderFault();
    void refusedLogInLeavesThePortFree();
    void garbageFloodEndsAfterOneTimeOut();
    void terminatedGarbageIsACommunicationError_data();
    void terminatedGarbageIsACommunicationError();
    void wholeFrameWithoutDigitsIsACommunicationError();
    void garbageForAWriteStopsTheSendAndClaimsNothing();
};

void TestFaultMatrix::operationUnderFault_data() {
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("fault");
    for (const Op op : AllOps) {
        for (const Fault fault : AllFaults) {
            const QByteArray name = QByteArray(OpNames[static_cast<int>(op)]) + '/' +
                                    FaultNames[static_cast<int>(fault)];
            QTest::newRow(name.constData()) << static_cast<int>(op) << static_cast<int>(fault);
        }
    }
}

void TestFaultMatrix::operationUnderFault() {
    QFETCH(int, operation);
    QFETCH(int, fault);
    const Op op = static_cast<Op>(operation);
    const Fault kind = static_cast<Fault>(fault);
    Case c;
    QVERIFY(c.Dir.isValid());
    QVERIFY(Prepare(c, op));
    const Snapshot before = Take(c.Form());

    Inject(c.Window.Register(), op, kind);
    QElapsedTimer clock;
    clock.start();
    Run(c, op);
    QVERIFY2(clock.elapsed() < HangGuardMs, qPrintable(QString::number(clock.elapsed())));

    QVERIFY(WindowUsable(c));
    QCOMPARE(c.Errors.Texts, QStringList{}); // nothing escaped to the application's display
    CheckLog(c, op, kind);
    if (op == Op::Arrange) {
        CheckArrangement(c, kind, before);
    }
    CheckTables(c, op, kind, before);

    Recover(c, op, kind);
    CheckNextWorks(c, op);
    QVERIFY(WindowUsable(c));
    QCOMPARE(c.Errors.Texts, QStringList{});
}

void TestFaultMatrix::refusedLogInLeavesThePortFree() {
    // The register's refusal of the log-in itself: the two failure lines, port closed.
    Case c;
    c.Window.ClearLog();
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!c.Window.Connect(QStringLiteral("0000")));
    QVERIFY(clock.elapsed() < HangGuardMs);
    QCOMPARE(c.Window.LogLines(), ConnectFailedLines);
    QVERIFY(c.Form().BitBtnConnect->isEnabled());
    c.Window.ClearLog();
    QVERIFY(c.Window.Connect());
    QCOMPARE(c.Window.LogLines(), QStringList{LoggedInLine});
}

void TestFaultMatrix::garbageFloodEndsAfterOneTimeOut() {
    // A line that pours out bytes without the terminator (noise, a wrong device) is
    // read once and then times out; reading it must not grow slower with every byte.
    Case c;
    QVERIFY(c.Window.ConnectFresh());
    c.Window.Register().GarbageNextReply(std::string(FloodBytes, 'Z'));
    QElapsedTimer clock;
    clock.start();
    c.Form().BitBtnStatus->click();
    QVERIFY2(clock.elapsed() < HangGuardMs, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(c.Window.LogLines(), QStringList{TimeoutLine});
    QVERIFY(WindowUsable(c));
}

void TestFaultMatrix::terminatedGarbageIsACommunicationError_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("line");
    // A "\\" alone is data: the read goes on past it and the line falls silent.
    QTest::newRow("terminator alone") << QByteArray("\\") << TimeoutLine;
    QTest::newRow("shorter than the envelope") << QByteArray("ab\\") << TimeoutLine;
    QTest::newRow("long text") << QByteArray(5000, 'Z') + '\\' << TimeoutLine;
    // The closing pair without a frame opened before it.
    QTest::newRow("closing pair alone") << QByteArray("\x1B\\") << BadReplyLine;
    QTest::newRow("closing pair after noise") << QByteArray("ab\x1B\\") << BadReplyLine;
    QTest::newRow("opening and closing only") << QByteArray("\x1BP\x1B\\") << BadReplyLine;
}

void TestFaultMatrix::terminatedGarbageIsACommunicationError() {
    // Garbage that ends in the terminator is no reply: the print switch does not report
    // success and the status report shows no zeros, the link error is logged instead.
    QFETCH(QByteArray, reply);
    QFETCH(QString, line);
    Case c;
    QVERIFY(c.Window.ConnectFresh());
    c.Window.Register().GarbageNextReply(reply.toStdString());
    c.Form().CheckBoxPrint->click();
    QCOMPARE(c.Window.LogLines(), QStringList{line});
    c.Window.ClearLog();
    c.Window.Register().GarbageNextReply(reply.toStdString());
    c.Form().BitBtnStatus->click();
    QCOMPARE(c.Window.LogLines(), QStringList{line});
    QVERIFY(WindowUsable(c));
    QCOMPARE(c.Errors.Texts, QStringList{});
    c.Window.ClearLog();
    c.Form().BitBtnStatus->click(); // the next reply is read whole, nothing left before it
    QCOMPARE(c.Window.LogLines().size(), StatusLineCount);
}

void TestFaultMatrix::wholeFrameWithoutDigitsIsACommunicationError() {
    Case c;
    QVERIFY(c.Window.ConnectFresh());
    c.Window.Register().NoDigitsInNextReply();
    c.Form().CheckBoxPrint->click();
    QCOMPARE(c.Window.LogLines(), QStringList{BadReplyLine});
    QVERIFY(WindowUsable(c));
    QCOMPARE(c.Errors.Texts, QStringList{});
}

void TestFaultMatrix::garbageForAWriteStopsTheSendAndClaimsNothing() {
    // The write of location 3 is carried out, but its reply is noise: the send stops with
    // the link error and does not count the article as written.
    Case c;
    QVERIFY(c.Window.ConnectFresh());
    LoadFile(c);
    c.Window.Register().GarbageForWrites(3, "\x01GARBAGE\\");
    c.Window.ClearLog();
    c.Form().BitBtnSend->click();
    QCOMPARE(c.Window.LogLines(), (QStringList{QStringLiteral("DVA"), TimeoutLine}));
    QCOMPARE(CommandNumbers(c.Window.Commands(), WritePrefix), (std::vector<int>{2, 3}));
    QVERIFY(WindowUsable(c));
    QCOMPARE(c.Errors.Texts, QStringList{});
}

QTEST_MAIN(TestFaultMatrix)
#include "tst_fault_matrix.moc"
