// The progress box and the window's three progress operations.
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include "support_window.h"
#include "ui/main/form_main.h"
#include "ui/progress/progress_box.h"

namespace {

// Queues a call for the event loop; the flag tells whether pending events were let
// through since.
struct PendingCall {
    bool Ran = false;
    void Queue(QObject* context) {
        Ran = false;
        QMetaObject::invokeMethod(
            context, [this] { Ran = true; }, Qt::QueuedConnection);
    }
};

} // namespace

class TestProgress : public QObject {
    Q_OBJECT

private slots:
    void BoxAsCreated();
    void UsableRangeShowsBoxAndBlocksWindow();
    void StopPressRequestsStop_data();
    void StopPressRequestsStop();
    void UnusableRanges_data();
    void UnusableRanges();
    void UnusableRangeKeepsBar();
    void StepsUpToMaximumLetEventsThrough();
    void StepPastMaximumChangesNothing();
    void EndEnablesWindowEvenWhenHidden();
    void UserCannotCloseTheBox();
    void WindowStaysWhileAnOperationRuns();
};

void TestProgress::BoxAsCreated() {
    TProgressBox box;
    QCOMPARE(box.windowTitle(), QStringLiteral("Operacija u toku, molimo Vas sacekajte..."));
    QVERIFY(box.isHidden());
    QCOMPARE(box.ProgressBar->objectName(), QStringLiteral("ProgressBar"));
    QCOMPARE(box.ProgressBar->geometry(), QRect(8, 8, 417, 25));
    // "Prekini" under the bar's right end; the box grows to hold it, no wider than the bar.
    QCOMPARE(box.ButtonStop->objectName(), QStringLiteral("ButtonStop"));
    QCOMPARE(box.ButtonStop->text(), QStringLiteral("Prekini"));
    QCOMPARE(box.width(), 432);
    const QRect button = box.ButtonStop->geometry();
    QVERIFY(button.top() > box.ProgressBar->geometry().bottom());
    QCOMPARE(button.right(), box.ProgressBar->geometry().right());
    QVERIFY(button.width() >= box.ButtonStop->sizeHint().width());
    QVERIFY(button.height() >= box.ButtonStop->sizeHint().height());
    QVERIFY(box.rect().contains(button));
    QCOMPARE(box.minimumSize(), box.maximumSize()); // the user cannot resize it
    QCOMPARE(box.ProgressBar->minimum(), 0);
    QCOMPARE(box.ProgressBar->maximum(), 100);
    QCOMPARE(box.ProgressBar->value(), 0);
    QCOMPARE(box.cursor().shape(), Qt::WaitCursor);
    const Qt::WindowFlags flags = box.windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!box.isModal());
}

// The controls take no input, yet the box is drawn enabled and "Prekini" can be pressed.
void TestProgress::UsableRangeShowsBoxAndBlocksWindow() {
    TestWindow window;
    window.Form().BeginProgress(0, 3);
    QVERIFY(window.Form().Busy());
    QVERIFY(!window.Form().BitBtnClearLog->isEnabled());
    QVERIFY(!window.Form().PageControl->isEnabled());
    QVERIFY(window.Box().isVisible());
    QVERIFY(window.Box().isEnabled());
    QVERIFY(window.Box().ButtonStop->isEnabled());
    QCOMPARE(window.Box().ProgressBar->minimum(), 0);
    QCOMPARE(window.Box().ProgressBar->maximum(), 3);
    QCOMPARE(window.Box().ProgressBar->value(), 0);
    window.Form().EndProgress();
    QVERIFY(window.Box().isHidden());
    QVERIFY(!window.Form().Busy());
    QVERIFY(window.Form().BitBtnClearLog->isEnabled());
}

void TestProgress::StopPressRequestsStop_data() {
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("click") << false;
    QTest::newRow("Escape") << true;
}

// A press only sets the request: the box stays until the operation ends it, and the next
// operation starts without a request.
void TestProgress::StopPressRequestsStop() {
    QFETCH(bool, byEscape);
    TestWindow window;
    window.Form().BeginProgress(0, 3);
    QVERIFY(QTest::qWaitForWindowExposed(&window.Box()));
    QVERIFY(!window.Form().StopRequested());
    if (byEscape) {
        QTest::keyClick(&window.Box(), Qt::Key_Escape);
    } else {
        QTest::mouseClick(window.Box().ButtonStop, Qt::LeftButton);
    }
    QVERIFY(window.Form().StopRequested());
    QVERIFY(window.Box().isVisible());
    QVERIFY(window.Form().Busy());
    window.Form().EndProgress();
    window.Form().BeginProgress(0, 3);
    QVERIFY(!window.Form().StopRequested());
    window.Form().EndProgress();
    QVERIFY(window.Usable());
}

void TestProgress::UnusableRanges_data() {
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::newRow("0..0") << 0 << 0;
    QTest::newRow("max below min") << 5 << 3;
    QTest::newRow("max equal min") << 4 << 4;
    QTest::newRow("max not above 0") << -5 << 0;
    QTest::newRow("both negative") << -5 << -1;
}

void TestProgress::UnusableRanges() {
    QFETCH(int, min);
    QFETCH(int, max);
    TestWindow window;
    window.Form().BeginProgress(min, max);
    QVERIFY(window.Box().isHidden());
    QVERIFY(window.Form().Busy());
    window.Form().EndProgress();
    QVERIFY(!window.Form().Busy());
}

void TestProgress::UnusableRangeKeepsBar() {
    TProgressBox box;
    box.SetRange(0, 3);
    box.show();
    box.Advance(1);
    box.SetRange(7, 2);
    QVERIFY(box.isHidden());
    QCOMPARE(box.ProgressBar->minimum(), 0);
    QCOMPARE(box.ProgressBar->maximum(), 3);
    QCOMPARE(box.ProgressBar->value(), 1);
}

void TestProgress::StepsUpToMaximumLetEventsThrough() {
    TestWindow window;
    PendingCall pending;
    window.Form().BeginProgress(0, 3);
    for (int step = 1; step <= 3; ++step) {
        pending.Queue(&window.Form());
        window.Form().StepProgress(1);
        QCOMPARE(window.Box().ProgressBar->value(), step);
        QVERIFY(pending.Ran);
    }
    window.Form().EndProgress();
}

void TestProgress::StepPastMaximumChangesNothing() {
    TestWindow window;
    PendingCall pending;
    window.Form().BeginProgress(0, 3);
    for (int step = 0; step < 3; ++step) {
        window.Form().StepProgress(1);
    }
    pending.Queue(&window.Form());
    window.Form().StepProgress(1);
    QCOMPARE(window.Box().ProgressBar->value(), 3);
    QVERIFY(!pending.Ran); // no events were let through
    QVERIFY(window.Box().isVisible());
    window.Form().EndProgress();
    QVERIFY(!window.Form().Busy());
    // The next operation starts at 0 again.
    window.Form().BeginProgress(0, 5);
    QCOMPARE(window.Box().ProgressBar->value(), 0);
    QCOMPARE(window.Box().ProgressBar->maximum(), 5);
    window.Form().EndProgress();
}

void TestProgress::EndEnablesWindowEvenWhenHidden() {
    TestWindow window;
    window.Form().BeginProgress(0, 3);
    window.Box().hide();
    window.Form().EndProgress();
    QVERIFY(!window.Form().Busy());
    QVERIFY(window.Box().isHidden());
    QVERIFY(window.Usable());
}

void TestProgress::UserCannotCloseTheBox() {
    TestWindow window;
    window.Form().BeginProgress(0, 3);
    QVERIFY(QTest::qWaitForWindowExposed(&window.Box()));
    QTest::keyClick(&window.Box(), Qt::Key_Escape); // asks to stop, closes nothing
    QVERIFY(window.Box().isVisible());
    QVERIFY(!window.Box().close()); // the title bar's close request, Alt+F4
    QVERIFY(window.Box().isVisible());
    QVERIFY(window.Form().Busy());
    window.Form().EndProgress();
    QVERIFY(window.Box().isHidden());
    QVERIFY(window.Usable());
}

void TestProgress::WindowStaysWhileAnOperationRuns() {
    TestWindow window;
    window.Form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&window.Form()));
    window.Form().BeginProgress(0, 3);
    QVERIFY(!window.Form().close());
    QVERIFY(window.Form().isVisible());
    window.Form().EndProgress();
    QVERIFY(window.Form().close());
    QVERIFY(window.Form().isHidden());
}

QTEST_MAIN(TestProgress)
#include "tst_progress.moc"
