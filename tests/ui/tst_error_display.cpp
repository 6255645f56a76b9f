// An exception that a handler lets out is shown by the one error display and the
// program goes on.
#include <QPushButton>
#include <QtTest>

#include <stdexcept>

#include "support_window.h"
#include "ui/app/application.h"
#include "ui/common/error_display.h"
#include "ui/main/form_main.h"
#include "ui/progress/progress_box.h"

namespace {

// An object whose events fail as a handler might.
class FailingReceiver : public QObject {
public:
    int Delivered = 0;

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) {
            ++Delivered;
            throw std::runtime_error("Kvar u obradi");
        }
        if (event->type() == QEvent::User + 1) {
            ++Delivered;
            throw 42;
        }
        return QObject::event(event);
    }
};

} // namespace

class TestErrorDisplay : public QObject {
    Q_OBJECT

private slots:
    void EventHandlerExceptionShownAndLoopGoesOn();
    void ClickHandlerExceptionShown();
    void DisplayRestored();
    void FailureDuringProgressLeavesWindowUsable();
};

void TestErrorDisplay::EventHandlerExceptionShownAndLoopGoesOn() {
    CapturedErrors errors;
    FailingReceiver receiver;
    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::Type(QEvent::User + 1)));
    QCoreApplication::sendPostedEvents(&receiver);
    // Every event was delivered: a failure did not stop the delivery. An exception of
    // unknown type is shown too, with some text.
    QCOMPARE(receiver.Delivered, 3);
    QCOMPARE(errors.Texts.size(), 3);
    QCOMPARE(errors.Texts.mid(0, 2),
             (QStringList{QStringLiteral("Kvar u obradi"), QStringLiteral("Kvar u obradi")}));
    QVERIFY(!errors.Texts.last().isEmpty());
}

void TestErrorDisplay::ClickHandlerExceptionShown() {
    CapturedErrors errors;
    TestWindow window;
    QVERIFY(window.Connect());
    int asked = 0;
    window.Form().ChooseOpenFile = [&asked]() -> QString {
        ++asked;
        throw std::runtime_error("Dijalog nije dostupan");
    };
    window.Form().BitBtnOpen->click();
    window.Form().BitBtnOpen->click();
    QCOMPARE(asked, 2);
    QCOMPARE(errors.Texts, (QStringList{QStringLiteral("Dijalog nije dostupan"),
                                        QStringLiteral("Dijalog nije dostupan")}));
    // The window is still usable.
    window.Form().BitBtnDisconnect->click();
    QCOMPARE(window.LogLines(), QStringList{QStringLiteral("Odjavljivanje - OK")});
}

void TestErrorDisplay::DisplayRestored() {
    QStringList outer;
    const ErrorDisplay previous = SetErrorDisplay([&outer](const QString& text) { outer << text; });
    {
        CapturedErrors inner;
        ShowUnhandledError(QStringLiteral("unutra"));
        QCOMPARE(inner.Texts, QStringList{QStringLiteral("unutra")});
    }
    ShowUnhandledError(QStringLiteral("spolja"));
    QCOMPARE(outer, QStringList{QStringLiteral("spolja")});
    SetErrorDisplay(previous);
}

void TestErrorDisplay::FailureDuringProgressLeavesWindowUsable() {
    CapturedErrors errors;
    TestWindow window;
    window.Form().RunWindowHandler([&window] {
        window.Form().BeginProgress(0, 5);
        throw std::runtime_error("Prekinuto");
    });
    QCOMPARE(errors.Texts, QStringList{QStringLiteral("Prekinuto")});
    QVERIFY(window.Usable());
}

// The program's own application object, so that its event guard is the one tested.
int main(int argc, char* argv[]) {
    Application application(argc, argv);
    TestErrorDisplay test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_error_display.moc"
