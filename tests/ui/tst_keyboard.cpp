// Keyboard work in the register grid: keys go where the focus is, and the row the user
// sees marked is the one acted on.
#include <QApplication>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "support_articles.h"
#include "support_window.h"
#include "ui/main/form_main.h"
#include "ui/main/grid_rows.h"

namespace {

// A shown, active window connected to a register holding A1, A5, A9 and A12, listed.
void ListedAndShown(TestWindow& window) {
    for (const int location : {1, 5, 9, 12}) {
        const std::string name = "A" + std::to_string(location);
        window.Register().SetArticle(location, MakeArticle(name.c_str(), "100", 1.5));
    }
    QVERIFY(window.ConnectAndList());
    window.Form().PageControl->setCurrentWidget(window.Form().Talon);
    window.Form().show();
    window.Form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window.Form()));
    // The progress box of the listing may still hold the activation for a moment.
    QTRY_COMPARE(QApplication::activeWindow(), &window.Form());
}

// Grid row `gridRow` becomes current without being selected, as tabbing into the grid
// leaves it.
void MakeCurrentOnly(QTableWidget* grid, int gridRow) {
    grid->clearSelection();
    grid->selectionModel()->setCurrentIndex(grid->model()->index(gridRow - 1, 0),
                                            QItemSelectionModel::NoUpdate);
}

// A key pressed and released wherever the keyboard focus is, as a user types it.
void TypeKey(Qt::Key key) {
    QTest::keyClick(static_cast<QWidget*>(nullptr), key);
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void focusComesBackAfterProgress();
    void deleteKeyWorksTwice();
    void secondEraseTakesTheNeighbour_data();
    void secondEraseTakesTheNeighbour();
    void currentRowWithoutSelection_data();
    void currentRowWithoutSelection();
};

void TestKeyboard::focusComesBackAfterProgress() {
    TestWindow window;
    ListedAndShown(window);
    TFormMain& form = window.Form();
    form.StringGridECR->setFocus();
    QCOMPARE(QApplication::focusWidget(), form.StringGridECR);
    form.BeginProgress(0, 2);
    form.StepProgress(1);
    form.EndProgress();
    // The window is activated again through the event loop, as after any operation.
    QTRY_COMPARE(QApplication::focusWidget(), form.StringGridECR);
}

void TestKeyboard::deleteKeyWorksTwice() {
    TestWindow window;
    ListedAndShown(window);
    TFormMain& form = window.Form();
    form.StringGridECR->setFocus();
    SelectGridRow(form.StringGridECR, 4); // A12
    TypeKey(Qt::Key_Delete);
    TypeKey(Qt::Key_Delete); // the row above, A9, is selected now
    QCOMPARE(CommandNumbers(window.Commands(), DeletePrefix), (std::vector<int>{12, 9}));
    QCOMPARE(TestWindow::Rows(form.StringGridECR), 3);
    QVERIFY(window.Usable());
}

void TestKeyboard::secondEraseTakesTheNeighbour_data() {
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<int>>("erased");
    QTest::addColumn<int>("current"); // the grid row current after both
    QTest::newRow("Delete, Delete from A5") << true << 2 << QList<int>{5, 9} << 2;
    QTest::newRow("Delete, Delete from A9") << true << 3 << QList<int>{9, 12} << 2;
    QTest::newRow("Obrisi, Obrisi from A5") << false << 2 << QList<int>{5, 9} << 2;
}

void TestKeyboard::secondEraseTakesTheNeighbour() {
    QFETCH(bool, byKey);
    QFETCH(int, row);
    QFETCH(QList<int>, erased);
    QFETCH(int, current);
    TestWindow window;
    ListedAndShown(window);
    TFormMain& form = window.Form();
    form.StringGridECR->setFocus();
    SelectGridRow(form.StringGridECR, row);
    for (int press = 0; press < 2; ++press) {
        if (byKey) {
            TypeKey(Qt::Key_Delete);
        } else {
            QTest::mouseClick(form.BitBtnErase, Qt::LeftButton);
        }
    }
    QCOMPARE(CommandNumbers(window.Commands(), DeletePrefix),
             std::vector<int>(erased.begin(), erased.end()));
    QCOMPARE(TestWindow::Rows(form.StringGridECR), 3);
    QCOMPARE(SelectedGridRow(form.StringGridECR), current);
    QCOMPARE(form.StringGridECR->currentRow() + 1, current);
    QVERIFY(window.Usable());
}

void TestKeyboard::currentRowWithoutSelection_data() {
    QTest::addColumn<bool>("byKey");
    QTest::newRow("Obrisi") << false;
    QTest::newRow("Delete key") << true;
}

void TestKeyboard::currentRowWithoutSelection() {
    QFETCH(bool, byKey);
    TestWindow window;
    ListedAndShown(window);
    TFormMain& form = window.Form();
    form.StringGridECR->setFocus();
    MakeCurrentOnly(form.StringGridECR, 3); // A9
    if (byKey) {
        TypeKey(Qt::Key_Delete);
    } else {
        form.BitBtnErase->click();
    }
    QCOMPARE(CommandNumbers(window.Commands(), DeletePrefix), std::vector<int>{9});
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
