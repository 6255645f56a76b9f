// Listing the register's articles and erasing them through the main window.
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "support_articles.h"
#include "support_window.h"
#include "ui/common/question_box.h"
#include "ui/main/form_main.h"
#include "ui/main/grid_rows.h"
#include "ui/progress/progress_box.h"

namespace {

const QString EraseAllQuestion = QStringLiteral("Obrisati sve artikle iz kase osim lokacije 1?");
const QString NotProgrammed =
    QStringLiteral("Greska 20: Izabran je nezaprogramirani broj u bazi PLU");

bool ListCommandsEnabled(const TFormMain& form) {
    return form.BitBtnSave->isEnabled() && form.BitBtnErase->isEnabled() &&
           form.BitBtnEraseAll->isEnabled();
}

bool ListCommandsDisabled(const TFormMain& form) {
    return !form.BitBtnSave->isEnabled() && !form.BitBtnErase->isEnabled() &&
           !form.BitBtnEraseAll->isEnabled();
}

// Connects to a register holding the locations, lists it and forgets what that sent.
void ListedWindow(TestWindow& window, const std::vector<int>& locations) {
    ProgramNumbered(window.Register(), locations);
    QVERIFY(window.ConnectAndList());
}

} // namespace

class TestList : public QObject {
    Q_OBJECT

private slots:
    void listingFollowsNextID();
    void emptyRegisterKeepsGridHidden();
    void hiddenGridDisablesListCommands_data();
    void hiddenGridDisablesListCommands();
    void misbehavingNextIDEnds_data();
    void misbehavingNextIDEnds();
    void silentRegisterEndsListing();
    void protectedRowSendsNothing_data();
    void protectedRowSendsNothing();
    void onlyTheDeleteKeyErases();
    void idBeyondTableStaysInside();
    void eraseRemovesRowAndSelectsItsSuccessor_data();
    void eraseRemovesRowAndSelectsItsSuccessor();
    void refusedEraseIsLogged();
    void eraseAllKeepsLocationOne();
    void eraseAllGoesOnAfterRefusal();
    void eraseStepsOnlyOnSuccess();
    void eraseAllAsksFirst_data();
    void eraseAllAsksFirst();
    void questionDefaultsToNe();
    void erasingTheLastArticleHidesTheGrid();
    void eraseAllCutShortShowsWhatIsLeft();
    void savingACutShortListAsks_data();
    void savingACutShortListAsks();
};

void TestList::listingFollowsNextID() {
    TestWindow window;
    ProgramNumbered(window.Register(), {1, 5, 9});
    QVERIFY(window.ConnectFresh());
    TFormMain& form = window.Form();
    ProgressTrace progress(window.Box());
    form.BitBtnListClick();

    QCOMPARE(CommandNumbers(window.Commands(), ReadPrefix), (std::vector<int>{0, 5, 9}));
    QCOMPARE(TestWindow::DataRows(form.StringGridECR), ListedRows({1, 5, 9}));
    QCOMPARE(progress.Steps, (QStringList{"1/3", "2/3", "3/3"})); // up to the status count
    QCOMPARE(form.ArticlesECR[0].GetThisID(), 1);
    QCOMPARE(form.ArticlesECR[5].GetThisID(), 5);
    QCOMPARE(form.ArticlesECR[9].GetThisID(), 9);
    QVERIFY(!IsPresent(form.ArticlesECR[1]));
    QVERIFY(!form.StringGridECR->isHidden());
    QVERIFY(ListCommandsEnabled(form));
    QCOMPARE(window.LogLines(), QStringList{QStringLiteral("Procitano 3 artikala")});
    QVERIFY(window.Usable());
}

void TestList::emptyRegisterKeepsGridHidden() {
    TestWindow window;
    QVERIFY(window.ConnectFresh());
    TFormMain& form = window.Form();
    form.BitBtnListClick();
    QCOMPARE(CommandNumbers(window.Commands(), ReadPrefix), std::vector<int>{0});
    QVERIFY(form.StringGridECR->isHidden());
    QVERIFY(ListCommandsDisabled(form));
    // The refused request still has its row, showing the cleared entry.
    QCOMPARE(TestWindow::Rows(form.StringGridECR), 2);
    QCOMPARE(TestWindow::Row(form.StringGridECR, 1), QStringLiteral("0|||0.00|0"));
    QCOMPARE(window.LogLines(), QStringList{QStringLiteral("Procitano 0 artikala")});
    QVERIFY(window.Usable());
}

void TestList::hiddenGridDisablesListCommands_data() {
    QTest::addColumn<bool>("linkFails");
    QTest::newRow("register emptied") << false;
    QTest::newRow("link fails") << true;
}

// Whatever an earlier listing enabled, a listing that leaves the grid hidden leaves
// nothing for "Snimi", "Obrisi" and "Obrisi sve" to act on.
void TestList::hiddenGridDisablesListCommands() {
    QFETCH(bool, linkFails);
    TestWindow window;
    ListedWindow(window, {1, 5});
    if (linkFails) {
        window.Register().GoSilentAfter(1); // the status only: nothing is read
    } else {
        window.Register().ClearArticles();
    }
    window.Form().BitBtnListClick();
    QVERIFY(window.Form().StringGridECR->isHidden());
    QVERIFY(ListCommandsDisabled(window.Form()));
}

void TestList::misbehavingNextIDEnds_data() {
    QTest::addColumn<int>("fault");
    QTest::newRow("loops back") << static_cast<int>(NextIDFault::LoopBack);
    QTest::newRow("beyond 3000") << static_cast<int>(NextIDFault::Beyond3000);
}

void TestList::misbehavingNextIDEnds() {
    QFETCH(int, fault);
    TestWindow window;
    ProgramNumbered(window.Register(), {1, 5, 9});
    window.Register().SetNextIDFault(static_cast<NextIDFault>(fault));
    QVERIFY(window.ConnectFresh());
    window.Form().BitBtnListClick();
    QCOMPARE(CommandNumbers(window.Commands(), ReadPrefix), (std::vector<int>{0, 5, 9}));
    QCOMPARE(TestWindow::Rows(window.Form().StringGridECR), 4);
    QVERIFY(window.Usable());
}

void TestList::silentRegisterEndsListing() {
    TestWindow window;
    ProgramNumbered(window.Register(), {1, 5, 9});
    QVERIFY(window.ConnectFresh());
    window.Register().GoSilentAfter(2); // the status and the first read are answered
    window.Form().BitBtnListClick();
    // What was read is shown, with a word that it is not all.
    QCOMPARE(window.LogLines(), (QStringList{LinkTimeoutLine, ListIncompleteLine}));
    QCOMPARE(TestWindow::DataRows(window.Form().StringGridECR), ListedRows({1}));
    QVERIFY(ListCommandsEnabled(window.Form()));
    QVERIFY(window.Usable());
}

void TestList::protectedRowSendsNothing_data() {
    QTest::addColumn<bool>("byKey");
    QTest::newRow("button") << false;
    QTest::newRow("Delete key") << true;
}

void TestList::protectedRowSendsNothing() {
    QFETCH(bool, byKey);
    TestWindow window;
    ListedWindow(window, {1, 5, 9});
    TFormMain& form = window.Form();
    SelectGridRow(form.StringGridECR, 1);
    if (byKey) {
        form.StringGridECRKeyUp(Qt::Key_Delete, Qt::ShiftModifier | Qt::ControlModifier);
    } else {
        form.BitBtnEraseClick();
    }
    QVERIFY(window.Commands().empty());
    QVERIFY(window.LogLines().isEmpty());
    QCOMPARE(TestWindow::Rows(form.StringGridECR), 4);
    QVERIFY(window.Usable());
}

void TestList::onlyTheDeleteKeyErases() {
    TestWindow window;
    ListedWindow(window, {1, 5, 9});
    TFormMain& form = window.Form();
    SelectGridRow(form.StringGridECR, 2);
    form.StringGridECRKeyUp(Qt::Key_Backspace, Qt::NoModifier);
    form.StringGridECRKeyUp(Qt::Key_D, Qt::NoModifier);
    QVERIFY(window.Commands().empty());
    form.StringGridECRKeyUp(Qt::Key_Delete, Qt::AltModifier); // with any modifier
    QCOMPARE(CommandNumbers(window.Commands(), DeletePrefix), std::vector<int>{5});
    // A real key release on the grid (row 2 now shows 9).
    window.ClearReceived();
    SelectGridRow(form.StringGridECR, 2);
    QTest::keyRelease(form.StringGridECR, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(CommandNumbers(window.Commands(), DeletePrefix), std::vector<int>{9});
    QCOMPARE(TestWindow::DataRows(form.StringGridECR), ListedRows({1}));
}

void TestList::idBeyondTableStaysInside() {
    TestWindow window;
    ListedWindow(window, {1, 5});
    TFormMain& form = window.Form();
    form.ArticlesECR[7] = ArticleWithThisID("Daleko", "3500", 3500);
    form.FillGridECR();
    SelectGridRow(form.StringGridECR, 3);
    QCOMPARE(TestWindow::Cell(form.StringGridECR, 3, 0), QStringLiteral("3500"));
    form.BitBtnEraseClick(); // the register does not hold it
    QCOMPARE(CommandNumbers(window.Commands(), DeletePrefix), std::vector<int>{3500});
    QCOMPARE(window.LogLines().value(0), QStringLiteral("Daleko"));

    window.Register().SetArticle(3500, MakeArticle("Daleko", "3500", 1.5));
    SelectGridRow(form.StringGridECR, 3);
    form.BitBtnEraseClick(); // accepted this time: the entry holding that ThisID goes
    QVERIFY(!IsPresent(form.ArticlesECR[7]));
    QCOMPARE(TestWindow::Rows(form.StringGridECR), 3);
}

void TestList::eraseRemovesRowAndSelectsItsSuccessor_data() {
    QTest::addColumn<QList<int>>("locations");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("emptied"); // the table index that the erase clears
    QTest::addColumn<QList<int>>("left");
    QTest::addColumn<int>("selected");
    QTest::newRow("middle row") << QList<int>{1, 5, 9} << 2 << 5 << QList<int>{1, 9} << 2;
    // The first answer sits at index 0, its ID is 3.
    QTest::newRow("first listed") << QList<int>{3, 5, 9} << 1 << 0 << QList<int>{5, 9} << 1;
    QTest::newRow("last row") << QList<int>{1, 5, 9} << 3 << 9 << QList<int>{1, 5} << 2;
}

void TestList::eraseRemovesRowAndSelectsItsSuccessor() {
    QFETCH(QList<int>, locations);
    QFETCH(int, row);
    QFETCH(int, emptied);
    QFETCH(QList<int>, left);
    QFETCH(int, selected);
    TestWindow window;
    ListedWindow(window, std::vector<int>(locations.begin(), locations.end()));
    TFormMain& form = window.Form();
    const int id = locations[row - 1];
    SelectGridRow(form.StringGridECR, row);
    form.BitBtnEraseClick();

    QCOMPARE(CommandNumbers(window.Commands(), DeletePrefix), std::vector<int>{id});
    QVERIFY(!IsPresent(form.ArticlesECR[emptied]));
    QCOMPARE(TestWindow::DataRows(form.StringGridECR), ListedRows(left));
    QCOMPARE(SelectedGridRow(form.StringGridECR), selected);
    QVERIFY(window.LogLines().isEmpty());
    QCOMPARE(window.Register().Articles().count(id), std::size_t{0});
}

void TestList::refusedEraseIsLogged() {
    TestWindow window;
    ListedWindow(window, {1, 5, 9});
    window.Register().RefuseNextCommand(20);
    TFormMain& form = window.Form();
    SelectGridRow(form.StringGridECR, 3);
    form.BitBtnEraseClick();

    QCOMPARE(window.LogLines(), (QStringList{QStringLiteral("A9"), NotProgrammed}));
    QVERIFY(IsPresent(form.ArticlesECR[9]));
    QCOMPARE(TestWindow::Rows(form.StringGridECR), 4);
    QVERIFY(window.Usable());
}

void TestList::eraseAllKeepsLocationOne() {
    TestWindow window;
    ListedWindow(window, {1, 5, 9});
    TFormMain& form = window.Form();
    ProgressTrace progress(window.Box());
    form.BitBtnEraseAllClick();

    QCOMPARE(CommandNumbers(window.Commands(), DeletePrefix), (std::vector<int>{5, 9}));
    QCOMPARE(CommandNumbers(window.Commands(), ReadPrefix), std::vector<int>{0});
    QCOMPARE(TestWindow::DataRows(form.StringGridECR), ListedRows({1}));
    // Four grid rows with the heading, three steps (location 1 included); then the
    // listing of the one article left.
    QCOMPARE(progress.Steps, (QStringList{"1/4", "2/4", "3/4", "1/1"}));
    QVERIFY(!form.StringGridECR->isHidden());
    QCOMPARE(window.LogLines(), (QStringList{QStringLiteral("Obrisano 2 artikala"),
                                             QStringLiteral("Procitano 1 artikala")}));
    QVERIFY(window.Usable());
}

void TestList::eraseAllGoesOnAfterRefusal() {
    TestWindow window;
    ListedWindow(window, {1, 5, 9, 12});
    window.Register().ClearArticles();
    ProgramNumbered(window.Register(), {1, 9, 12}); // 5 is gone from the register meanwhile
    window.Form().BitBtnEraseAllClick();

    QCOMPARE(CommandNumbers(window.Commands(), DeletePrefix), (std::vector<int>{5, 9, 12}));
    QCOMPARE(window.LogLines(), (QStringList{QStringLiteral("A5"), NotProgrammed,
                                             QStringLiteral("Obrisano 2 artikala"),
                                             QStringLiteral("Procitano 1 artikala")}));
    QCOMPARE(window.Register().Articles().size(), std::size_t{1});
    QCOMPARE(TestWindow::Rows(window.Form().StringGridECR), 2);
}

void TestList::eraseStepsOnlyOnSuccess() {
    TestWindow window;
    ListedWindow(window, {1, 5, 9});
    TFormMain& form = window.Form();
    ProgressTrace progress(window.Box());
    SelectGridRow(form.StringGridECR, 1); // location 1: nothing is sent, no step
    form.BitBtnEraseClick();
    QVERIFY(progress.Steps.isEmpty());
    window.Register().RefuseNextCommand(20);
    SelectGridRow(form.StringGridECR, 2);
    form.BitBtnEraseClick();
    QVERIFY(progress.Steps.isEmpty());
    SelectGridRow(form.StringGridECR, 2);
    form.BitBtnEraseClick();
    QCOMPARE(progress.Steps, QStringList{"1/1"});
    QVERIFY(window.Usable());
}

void TestList::eraseAllAsksFirst_data() {
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QList<int>>("erased");
    QTest::addColumn<QList<int>>("left");
    QTest::newRow("Da") << true << QList<int>{5, 9} << QList<int>{1};
    QTest::newRow("Ne") << false << QList<int>{} << QList<int>{1, 5, 9};
}

void TestList::eraseAllAsksFirst() {
    QFETCH(bool, answer);
    QFETCH(QList<int>, erased);
    QFETCH(QList<int>, left);
    TestWindow window;
    ListedWindow(window, {1, 5, 9});
    window.Answer = answer;
    window.Form().BitBtnEraseAll->click();
    QCOMPARE(window.Questions, QStringList{EraseAllQuestion});
    QCOMPARE(CommandNumbers(window.Commands(), DeletePrefix),
             std::vector<int>(erased.begin(), erased.end()));
    QCOMPARE(TestWindow::DataRows(window.Form().StringGridECR), ListedRows(left));
    QVERIFY(window.Usable());
}

void TestList::questionDefaultsToNe() {
    const std::unique_ptr<QMessageBox> box(MakeQuestionBox(nullptr, EraseAllQuestion));
    QCOMPARE(box->text(), EraseAllQuestion);
    QCOMPARE(box->button(QMessageBox::Yes)->text(), QStringLiteral("Da"));
    QCOMPARE(box->button(QMessageBox::No)->text(), QStringLiteral("Ne"));
    QCOMPARE(box->buttons().size(), 2);
    QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
    QCOMPARE(box->escapeButton(), static_cast<QAbstractButton*>(box->button(QMessageBox::No)));
}

void TestList::erasingTheLastArticleHidesTheGrid() {
    TestWindow window;
    ListedWindow(window, {3});
    TFormMain& form = window.Form();
    SelectGridRow(form.StringGridECR, 1);
    form.BitBtnEraseClick();
    QVERIFY(form.StringGridECR->isHidden());
    QVERIFY(ListCommandsDisabled(form));
    form.BitBtnEraseClick(); // nothing is shown, nothing is sent again
    QCOMPARE(CommandNumbers(window.Commands(), DeletePrefix), std::vector<int>{3});
}

void TestList::eraseAllCutShortShowsWhatIsLeft() {
    TestWindow window;
    ListedWindow(window, {1, 5, 9});
    window.Register().GoSilentAfter(1); // 5 goes, then the register is silent
    window.Form().BitBtnEraseAllClick();
    QCOMPARE(window.LogLines(),
             (QStringList{QStringLiteral("A9"), LinkTimeoutLine, ListIncompleteLine}));
    QCOMPARE(TestWindow::DataRows(window.Form().StringGridECR), ListedRows({1, 9}));
    QVERIFY(!IsPresent(window.Form().ArticlesECR[5]));
    QVERIFY(window.Usable());
}

void TestList::savingACutShortListAsks_data() {
    QTest::addColumn<bool>("cutShort");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("saved");
    QTest::newRow("whole list: no question") << false << false << true;
    QTest::newRow("cut short, Da") << true << true << true;
    QTest::newRow("cut short, Ne") << true << false << false;
}

void TestList::savingACutShortListAsks() {
    QFETCH(bool, cutShort);
    QFETCH(bool, answer);
    QFETCH(bool, saved);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("kasa.txt"));
    TestWindow window;
    ListedWindow(window, {1, 5, 9});
    if (cutShort) {
        window.Register().GoSilentAfter(2);
        window.Form().BitBtnListClick();
    }
    window.Answer = answer;
    window.SaveFile(path);
    const QStringList asked =
        cutShort
            ? QStringList{QStringLiteral("Lista nije potpuna. Snimiti samo procitane artikle?")}
            : QStringList{};
    QCOMPARE(window.Questions, asked);
    QCOMPARE(QFile::exists(path), saved);
}

QTEST_MAIN(TestList)
#include "tst_list.moc"
