// "Prekini" in the progress box: the operation stops between two exchanges, says how far
// it got, and leaves the grids and the register's image as a link failure there would.
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "support_articles.h"
#include "support_window.h"
#include "ui/main/form_main.h"
#include "ui/progress/progress_box.h"

namespace {

enum class Press { Click, Escape };

// Presses "Prekini" (a mouse click on it, or Escape on the box) once, inside the events
// that the progress box lets through when its bar reaches the given step.
class StopAtStep {
public:
    StopAtStep(TProgressBox& box, int step, Press press) {
        Link = QObject::connect(box.ProgressBar, &QProgressBar::valueChanged,
                                [this, &box, step, press](int value) {
                                    if (value == step && !Pressed) {
                                        Pressed = true;
                                        Queue(box, press);
                                    }
                                });
    }
    ~StopAtStep() { QObject::disconnect(Link); }
    StopAtStep(const StopAtStep&) = delete;
    StopAtStep& operator=(const StopAtStep&) = delete;

private:
    static void Queue(TProgressBox& box, Press press) {
        QMetaObject::invokeMethod(
            &box,
            [&box, press] {
                if (press == Press::Click) {
                    QTest::mouseClick(box.ButtonStop, Qt::LeftButton);
                } else {
                    QTest::keyClick(&box, Qt::Key_Escape);
                }
            },
            Qt::QueuedConnection);
    }

    QMetaObject::Connection Link;
    bool Pressed = false;
};

void AddPresses() {
    QTest::addColumn<Press>("press");
    QTest::newRow("click") << Press::Click;
    QTest::newRow("Escape") << Press::Escape;
}

const std::vector<int> Listed = {1, 5, 9, 12, 15, 20};

// Articles for the PC list at locations 2 to 6, priced `price`.
void PlaceFive(TestWindow& window, double price) {
    std::vector<std::pair<int, TalonPLUItem>> articles;
    for (int location = 2; location <= 6; ++location) {
        const std::string name = "P" + std::to_string(location);
        const std::string code = std::to_string(500 + location);
        articles.push_back({location, MakeArticle(name.c_str(), code.c_str(), price)});
    }
    window.PlaceOnPC(articles);
}

// Every file under a folder by its relative path, with its bytes.
QMap<QString, QByteArray> FolderFiles(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator found(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (found.hasNext()) {
        const QString path = found.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            files.insert(QDir(folder).relativeFilePath(path), file.readAll());
        }
    }
    return files;
}

enum class Operation { Send, List, EraseAll };

// Where each operation is cut short: the progress step after which "Prekini" is pressed,
// and the register's answers after which it goes silent instead.
struct CutPoint {
    int Step;
    int Answers;
};

CutPoint CutFor(Operation operation) {
    switch (operation) {
    case Operation::Send:
        return {2, 2}; // two writes (the listing told who the register is)
    case Operation::List:
        return {2, 3}; // the status, then two reads
    case Operation::EraseAll:
        break;
    }
    return {3, 2}; // location 1 (a step without an erase), then two erases
}

// Runs the operation on a fresh register and data folder, cut short by "Prekini" or by a
// silent register at the same point; gives the register images left on disk.
QMap<QString, QByteArray> ImagesAfterCut(Operation operation, bool stop) {
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    TestWindow window;
    ProgramNumbered(window.Register(), Listed);
    if (!window.ConnectAndList()) {
        return {};
    }
    window.Register().SetArticle(30, MakeArticle("Novi", "1030", 3.0)); // a listing would see it
    PlaceFive(window, 1.0);
    const CutPoint cut = CutFor(operation);
    StopAtStep stopper(window.Box(), stop ? cut.Step : -1, Press::Click);
    if (!stop) {
        window.Register().GoSilentAfter(cut.Answers);
    }
    switch (operation) {
    case Operation::Send:
        window.Form().BitBtnSendClick();
        break;
    case Operation::List:
        window.Form().BitBtnListClick();
        break;
    case Operation::EraseAll:
        window.Form().BitBtnEraseAllClick();
        break;
    }
    return FolderFiles(data.path());
}

} // namespace

Q_DECLARE_METATYPE(Press)
Q_DECLARE_METATYPE(Operation)

class TestStop : public QObject {
    Q_OBJECT

private slots:
    void init();
    void sendStops_data();
    void sendStops();
    void sendChangesStops_data();
    void sendChangesStops();
    void listStops_data();
    void listStops();
    void eraseAllStops_data();
    void eraseAllStops();
    void imageAfterStopAndLinkFailure_data();
    void imageAfterStopAndLinkFailure();

private:
    std::unique_ptr<QTemporaryDir> Data;
};

void TestStop::init() {
    Data = std::make_unique<QTemporaryDir>();
    QVERIFY(Data->isValid());
    qputenv("XDG_DATA_HOME", Data->path().toLocal8Bit());
}

void TestStop::sendStops_data() {
    AddPresses();
}

void TestStop::sendStops() {
    QFETCH(Press, press);
    TestWindow window;
    QVERIFY(window.ConnectFresh());
    PlaceFive(window, 1.0);
    const QStringList pcRows = TestWindow::DataRows(window.Form().StringGridPC);
    {
        StopAtStep stopper(window.Box(), 2, press);
        window.Form().BitBtnSendClick();
    }
    QCOMPARE(window.LogLines(), QStringList{QStringLiteral("Prekinuto: upisano 2 od 5 artikala")});
    QCOMPARE(CommandNumbers(window.Commands(), WritePrefix), (std::vector<int>{2, 3}));
    QCOMPARE(window.Register().Articles().size(), std::size_t{2});
    QCOMPARE(TestWindow::DataRows(window.Form().StringGridPC), pcRows);
    QVERIFY(window.Usable());

    window.ClearLog();
    window.Form().BitBtnSendClick(); // the next operation runs to its end
    QCOMPARE(window.LogLines(), QStringList{QStringLiteral("Posalji: upisano 5 od 5 artikala")});
    QCOMPARE(window.Register().Articles().size(), std::size_t{5});
}

void TestStop::sendChangesStops_data() {
    AddPresses();
}

void TestStop::sendChangesStops() {
    QFETCH(Press, press);
    TestWindow window;
    QVERIFY(window.ConnectFresh());
    PlaceFive(window, 1.0);
    window.Form().BitBtnSendClick(); // the image now knows all five
    PlaceFive(window, 2.0);          // and every one of them changes
    window.ClearLog();
    window.ClearReceived();
    {
        StopAtStep stopper(window.Box(), 2, press);
        window.Form().BitBtnSendChangesClick();
    }
    QCOMPARE(window.LogLines(),
             (QStringList{QStringLiteral("Izmene: upisano 2, odbijeno 0, nepromenjeno 0"),
                          QStringLiteral("Prekinuto: upisano 2 od 5 artikala")}));
    QCOMPARE(CommandNumbers(window.Commands(), WritePrefix), (std::vector<int>{2, 3}));
    QVERIFY(window.Usable());
}

void TestStop::listStops_data() {
    AddPresses();
}

void TestStop::listStops() {
    QFETCH(Press, press);
    TestWindow window;
    ProgramNumbered(window.Register(), Listed);
    QVERIFY(window.ConnectFresh());
    TFormMain& form = window.Form();
    {
        StopAtStep stopper(window.Box(), 2, press);
        form.BitBtnList->click();
    }
    QCOMPARE(window.LogLines(), (QStringList{QStringLiteral("Prekinuto: procitano 2 od 6 artikala"),
                                             ListIncompleteLine}));
    QCOMPARE(CommandNumbers(window.Commands(), ReadPrefix), (std::vector<int>{0, 5}));
    QCOMPARE(TestWindow::DataRows(form.StringGridECR), ListedRows({1, 5}));
    QVERIFY(!form.StringGridECR->isHidden());
    QVERIFY(form.ListIncomplete);
    QVERIFY(window.Usable());

    window.ClearLog();
    form.BitBtnList->click();
    QCOMPARE(window.LogLines(), QStringList{QStringLiteral("Procitano 6 artikala")});
    QCOMPARE(TestWindow::DataRows(form.StringGridECR), ListedRows({1, 5, 9, 12, 15, 20}));
    QVERIFY(!form.ListIncomplete);
}

void TestStop::eraseAllStops_data() {
    AddPresses();
}

void TestStop::eraseAllStops() {
    QFETCH(Press, press);
    TestWindow window;
    ProgramNumbered(window.Register(), Listed);
    QVERIFY(window.ConnectAndList());
    TFormMain& form = window.Form();
    {
        StopAtStep stopper(window.Box(), 3, press); // location 1, then 5 and 9 erased
        form.BitBtnEraseAll->click();
    }
    QCOMPARE(window.LogLines(), (QStringList{QStringLiteral("Prekinuto: obrisano 2 od 6 artikala"),
                                             ListIncompleteLine}));
    QCOMPARE(CommandNumbers(window.Commands(), DeletePrefix), (std::vector<int>{5, 9}));
    QVERIFY(CommandNumbers(window.Commands(), ReadPrefix).empty()); // no listing follows
    QCOMPARE(window.Register().Articles().size(), std::size_t{4});
    QCOMPARE(TestWindow::DataRows(form.StringGridECR), ListedRows({1, 12, 15, 20}));
    QVERIFY(form.ListIncomplete);
    QVERIFY(window.Usable());

    window.ClearLog();
    form.BitBtnEraseAll->click();
    QCOMPARE(window.LogLines(), (QStringList{QStringLiteral("Obrisano 3 artikala"),
                                             QStringLiteral("Procitano 1 artikala")}));
    QCOMPARE(TestWindow::DataRows(form.StringGridECR), ListedRows({1}));
}

void TestStop::imageAfterStopAndLinkFailure_data() {
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<bool>("writes");
    QTest::newRow("Posalji") << Operation::Send << true;
    QTest::newRow("Prikazi") << Operation::List << false;
    QTest::newRow("Obrisi sve") << Operation::EraseAll << true;
}

// Both keep what the register accepted. Stopped between two exchanges, every reply is
// known and the image is clean; cut by the link, the last exchange is not, and the journal
// stays for the next sync to take up.
void TestStop::imageAfterStopAndLinkFailure() {
    QFETCH(Operation, operation);
    QFETCH(bool, writes);
    const QString image = QStringLiteral("talonsendplu/registers/TE000001.txt");
    const QString journal = QStringLiteral("talonsendplu/registers/TE000001.in-progress");
    const QMap<QString, QByteArray> stopped = ImagesAfterCut(operation, true);
    const QMap<QString, QByteArray> failed = ImagesAfterCut(operation, false);
    QVERIFY(failed.contains(image));
    QCOMPARE(stopped.value(image), failed.value(image));
    QVERIFY(!stopped.contains(journal));
    QCOMPARE(failed.contains(journal), writes);
}

QTEST_MAIN(TestStop)
#include "tst_stop.moc"
