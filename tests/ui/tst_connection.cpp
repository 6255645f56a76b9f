// Connecting, disconnecting and the print switch, against the emulator.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>

#include "support_articles.h"
#include "support_window.h"
#include "ui/main/form_main.h"
#include "ui/progress/progress_box.h"

namespace {

const QString LoggedIn = QStringLiteral("*** Prijavljivanje - OK ***");
const QStringList FailureLines{QStringLiteral("Greska u otvaranju konekcije!"),
                               QStringLiteral("Proverite parametre, kabl i podesavanja na kasi.")};
const std::string Sep = "\xFE";
const std::vector<std::string> LogInCommands{"*q", "*i7351\n", "#y1" + Sep + "0" + Sep};

// Every list command off and both grids hidden: the state each connect and disconnect
// leaves behind.
void VerifyListsReset(TFormMain& form) {
    QVERIFY(form.StringGridPC->isHidden());
    QVERIFY(form.StringGridECR->isHidden());
    for (const QPushButton* button : {form.BitBtnSend, form.BitBtnSort, form.BitBtnExamine,
                                      form.BitBtnSave, form.BitBtnErase, form.BitBtnEraseAll}) {
        QVERIFY2(!button->isEnabled(), qPrintable(button->objectName()));
    }
}

void VerifyNotConnected(TFormMain& form) {
    QCOMPARE(form.Connected, false);
    QVERIFY(form.BitBtnConnect->isEnabled());
    QVERIFY(form.ComboBoxPort->isEnabled());
    QVERIFY(!form.BitBtnDisconnect->isEnabled());
    QVERIFY(!form.CheckBoxPrint->isEnabled());
    QVERIFY(!form.BitBtnOpen->isEnabled());
    QVERIFY(!form.BitBtnList->isEnabled());
    QVERIFY(!form.BitBtnStatus->isEnabled());
}

} // namespace

class TestConnection : public QObject {
    Q_OBJECT

private slots:
    void ConnectAddsOneLineAndSendsLogIn();
    void ConnectAfterClearedLogLeavesOnlyItsLine();
    void ConnectEnablesRegisterCommands();
    void TickedPrintSentAfterNextLogIn();
    void FastSpeedTaken();
    void WrongPasswordThenRightOne();
    void NoSuchPort();
    void NoPortSelected();
    void SilentRegister();
    void SilentAfterEnquiry();
    void EmptyPasswordPassedUnchanged();
    void DisconnectLeavesOneLine();
    void ConnectAndDisconnectResetLists();
    void PrintOk();
    void PrintRefused();
    void PrintOnSilentRegister();
};

void TestConnection::ConnectAddsOneLineAndSendsLogIn() {
    TestWindow window;
    QVERIFY(window.Connect());
    QCOMPARE(window.LogLines(), (QStringList{QStringLiteral("Dobrodosli!"), LoggedIn}));
    const std::vector<std::string> frames = window.Frames();
    QCOMPARE(frames.size(), size_t{4});
    QCOMPARE(frames[0], std::string("05"));
    QCOMPARE(window.Commands(), LogInCommands);
    QVERIFY(window.Register().LoggedIn());
    QCOMPARE(window.Form().SerialSettings.GetPort(), window.Port());
    QCOMPARE(window.Form().SerialSettings.GetBaudRate(), 9600);
    QCOMPARE(window.Form().SerialSettings.GetByteSize(), 8);
    QCOMPARE(window.Form().SerialSettings.GetParity(), 0);
    QCOMPARE(window.Form().SerialSettings.GetStopBits(), 0);
}

void TestConnection::ConnectAfterClearedLogLeavesOnlyItsLine() {
    TestWindow window;
    window.ClearLog();
    QVERIFY(window.Connect());
    QCOMPARE(window.LogLines(), QStringList{LoggedIn});
}

void TestConnection::ConnectEnablesRegisterCommands() {
    TestWindow window;
    QVERIFY(window.Connect());
    TFormMain& form = window.Form();
    QVERIFY(!form.BitBtnConnect->isEnabled());
    QVERIFY(!form.ComboBoxPort->isEnabled());
    QVERIFY(!form.ComboBoxSpeed->isEnabled());
    QVERIFY(!form.EditPassword->isEnabled());
    for (const QWidget* control :
         {static_cast<QWidget*>(form.BitBtnDisconnect), static_cast<QWidget*>(form.CheckBoxPrint),
          static_cast<QWidget*>(form.BitBtnOpen), static_cast<QWidget*>(form.BitBtnList),
          static_cast<QWidget*>(form.BitBtnStatus), static_cast<QWidget*>(form.BitBtnClearLog)}) {
        QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
    }
    VerifyListsReset(form);
    // A second press while connected does nothing.
    window.ClearReceived();
    form.BitBtnConnectClick();
    QVERIFY(window.Frames().empty());
}

void TestConnection::TickedPrintSentAfterNextLogIn() {
    TestWindow window;
    QVERIFY(window.Connect());
    window.Form().CheckBoxPrint->click();
    QVERIFY(window.Form().CheckBoxPrint->isChecked());
    window.Form().BitBtnDisconnect->click();
    QVERIFY(window.Form().CheckBoxPrint->isChecked());
    window.ClearReceived();
    QVERIFY(window.Connect());
    const std::vector<std::string> expected{"*q", "*i7351\n", "#y1" + Sep + "1" + Sep};
    QCOMPARE(window.Commands(), expected);
    QVERIFY(window.Register().PrintingOn());
}

void TestConnection::FastSpeedTaken() {
    TestWindow window;
    window.Form().ComboBoxSpeed->setCurrentIndex(1);
    QVERIFY(window.Connect());
    QCOMPARE(window.Form().SerialSettings.GetBaudRate(), 19200);
}

void TestConnection::WrongPasswordThenRightOne() {
    TestWindow window;
    window.ClearLog();
    QVERIFY(!window.Connect(QStringLiteral("1234")));
    QCOMPARE(window.LogLines(), FailureLines);
    VerifyNotConnected(window.Form());
    window.ClearLog();
    QVERIFY(window.Connect());
    QCOMPARE(window.LogLines(), QStringList{LoggedIn});
}

void TestConnection::NoSuchPort() {
    TestWindow window;
    window.ClearLog();
    window.Form().Connect(97, 9600, QStringLiteral("7351")); // COM97: no such device
    QCOMPARE(window.LogLines(), FailureLines);
    VerifyNotConnected(window.Form());
    QVERIFY(window.Frames().empty());
}

void TestConnection::NoPortSelected() {
    TestWindow window;
    window.ClearLog();
    window.Form().ComboBoxPort->setCurrentIndex(-1);
    window.Form().BitBtnConnect->click();
    QCOMPARE(window.Form().SerialSettings.GetPort(), 0);
    QCOMPARE(window.LogLines(), FailureLines);
    VerifyNotConnected(window.Form());
}

void TestConnection::SilentRegister() {
    TestWindow window;
    window.Register().GoSilentAfter(0);
    window.ClearLog();
    const auto started = std::chrono::steady_clock::now();
    QVERIFY(!window.Connect());
    // One enquiry unanswered: about the one-second reply time-out, never a hang.
    QVERIFY(std::chrono::steady_clock::now() - started < std::chrono::seconds(5));
    QCOMPARE(window.LogLines(), FailureLines);
    VerifyNotConnected(window.Form());
    window.Register().Resume();
    window.ClearLog();
    QVERIFY(window.Connect());
    QCOMPARE(window.LogLines(), QStringList{LoggedIn});
}

void TestConnection::SilentAfterEnquiry() {
    TestWindow window;
    window.Register().GoSilentAfter(1); // the enquiry is answered, the log-out is not
    window.ClearLog();
    QVERIFY(!window.Connect());
    QCOMPARE(window.LogLines(), FailureLines);
    window.Register().Resume();
    window.ClearLog();
    QVERIFY(window.Connect());
    QCOMPARE(window.LogLines(), QStringList{LoggedIn});
}

void TestConnection::EmptyPasswordPassedUnchanged() {
    TestWindow window;
    QVERIFY(!window.Connect(QString()));
    const std::vector<std::string> commands = window.Commands();
    QCOMPARE(commands.size(), size_t{2});
    QCOMPARE(commands[1], std::string("*i\n"));
}

void TestConnection::DisconnectLeavesOneLine() {
    TestWindow window;
    QVERIFY(window.Connect());
    window.Form().Log(QStringLiteral("nesto"));
    window.ClearReceived();
    window.Form().BitBtnDisconnect->click();
    QCOMPARE(window.LogLines(), QStringList{QStringLiteral("Odjavljivanje - OK")});
    VerifyNotConnected(window.Form());
    VerifyListsReset(window.Form());
    QVERIFY(window.Frames().empty()); // nothing is said to the register
    QVERIFY(!window.Form().ECR);
    QVERIFY(!window.Form().Serial);
    // Not connected: another press does nothing.
    window.Form().BitBtnDisconnectClick();
    QCOMPARE(window.LogLines(), QStringList{QStringLiteral("Odjavljivanje - OK")});
    // The port was closed, so it opens again at once.
    QVERIFY(window.Connect());
}

void TestConnection::ConnectAndDisconnectResetLists() {
    EmulatorOptions options;
    options.DemoArticles = true;
    TestWindow window(options);
    QVERIFY(window.Connect());
    TFormMain& form = window.Form();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("artikli.txt"));
    WriteArticleFile(
        path, {QStringLiteral("Naziv\tBarkod\tCena"),
               ArticleLine(QStringLiteral("Hleb"), QStringLiteral("11"), QStringLiteral("45.5"))});
    form.ChooseOpenFile = [path] { return path; };
    form.BitBtnOpen->click();
    form.BitBtnList->click();
    QVERIFY(!form.StringGridPC->isHidden());
    QVERIFY(form.BitBtnSend->isEnabled());
    QVERIFY(!form.StringGridECR->isHidden());
    QVERIFY(form.BitBtnErase->isEnabled());

    form.BitBtnDisconnect->click();
    VerifyListsReset(form);

    form.BitBtnConnect->click();
    QVERIFY(form.Connected);
    form.BitBtnOpen->click();
    form.BitBtnList->click();
    form.BitBtnDisconnect->click();
    QVERIFY(window.Connect());
    VerifyListsReset(form);
}

void TestConnection::PrintOk() {
    TestWindow window;
    QVERIFY(window.ConnectFresh());
    window.Form().CheckBoxPrint->click();
    QCOMPARE(window.LogLines(), QStringList{QStringLiteral("OK")});
    QVERIFY(window.Register().PrintingOn());
    QCOMPARE(window.Commands(), (std::vector<std::string>{"#y1" + Sep + "1" + Sep}));
    window.Form().CheckBoxPrint->click();
    QVERIFY(!window.Register().PrintingOn());
    QCOMPARE(window.LogLines(), (QStringList{QStringLiteral("OK"), QStringLiteral("OK")}));
}

void TestConnection::PrintRefused() {
    TestWindow window;
    QVERIFY(window.ConnectFresh());
    window.Register().RefuseNextCommand(9);
    window.Form().CheckBoxPrint->click();
    QCOMPARE(window.LogLines(),
             QStringList{QStringLiteral("Greska 9: U ovom modu nije dozvoljeno pisanje")});
    QVERIFY(window.Form().CheckBoxPrint->isChecked()); // the box keeps the user's state
    QVERIFY(window.Form().Connected);
    QVERIFY(window.Form().isEnabled());
}

void TestConnection::PrintOnSilentRegister() {
    TestWindow window;
    QVERIFY(window.ConnectFresh());
    window.Register().GoSilentAfter(0);
    window.Form().CheckBoxPrint->click();
    QCOMPARE(window.LogLines(),
             QStringList{QStringLiteral("Greska u komunikaciji: Timeout error")});
    QVERIFY(window.Form().isEnabled());
    QVERIFY(window.Box().isHidden());
    QVERIFY(window.Form().Connected);
    // The connection stayed open: once the register answers again, so does the switch.
    window.Register().Resume();
    window.ClearLog();
    window.Form().CheckBoxPrint->click();
    QCOMPARE(window.LogLines(), QStringList{QStringLiteral("OK")});
}

QTEST_MAIN(TestConnection)
#include "tst_connection.moc"
