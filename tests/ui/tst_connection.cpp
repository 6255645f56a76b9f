// Connecting, disconnecting and the print switch, against the emulator.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <memory>

#include "serial/port_devices.h"
#include "serial/windows_serial.h"
#include "support_articles.h"
#include "support_window.h"
#include "ui/main/form_main.h"
#include "ui/progress/progress_box.h"

namespace {

// One per-byte time-out is 1 s; the guard only catches a hang, it times nothing.
constexpr auto HangGuard = std::chrono::seconds(5);
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
    for (const QWidget* control :
         {static_cast<QWidget*>(form.BitBtnDisconnect), static_cast<QWidget*>(form.CheckBoxPrint),
          static_cast<QWidget*>(form.BitBtnOpen), static_cast<QWidget*>(form.BitBtnList),
          static_cast<QWidget*>(form.BitBtnStatus)}) {
        QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
    }
}

} // namespace

class TestConnection : public QObject {
    Q_OBJECT

private slots:
    void ConnectAddsOneLineAndSendsLogIn_data();
    void ConnectAddsOneLineAndSendsLogIn();
    void ConnectEnablesRegisterCommands();
    void TickedPrintSentAfterNextLogIn();
    void FailedConnectLeavesThePortFree_data();
    void FailedConnectLeavesThePortFree();
    void EmptyPasswordPassedUnchanged();
    void DisconnectLeavesOneLine();
    void ConnectAndDisconnectResetLists();
    void PrintOk();
    void PrintRefused();
};

void TestConnection::ConnectAddsOneLineAndSendsLogIn_data() {
    QTest::addColumn<int>("speedItem");
    QTest::addColumn<int>("baudRate");
    QTest::newRow("9600") << 0 << 9600;
    QTest::newRow("19200") << 1 << 19200;
}

void TestConnection::ConnectAddsOneLineAndSendsLogIn() {
    QFETCH(int, speedItem);
    QFETCH(int, baudRate);
    TestWindow window;
    window.Form().ComboBoxSpeed->setCurrentIndex(speedItem);
    QVERIFY(window.Connect());
    QCOMPARE(window.LogLines(), (QStringList{QStringLiteral("Dobrodosli!"), LoggedInLine}));
    const std::vector<std::string> frames = window.Frames();
    QCOMPARE(frames.size(), size_t{4});
    QCOMPARE(frames[0], std::string("05"));
    QCOMPARE(window.Commands(), LogInCommands);
    QVERIFY(window.Register().LoggedIn());
    const auto& settings = window.Form().SerialSettings;
    QCOMPARE(settings.GetPort(), window.Port());
    QCOMPARE(settings.GetBaudRate(), baudRate);
    QCOMPARE(settings.GetByteSize(), 8);
    QCOMPARE(settings.GetParity(), 0);
    QCOMPARE(settings.GetStopBits(), 0);
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

enum class Failure {
    WrongPassword,
    Silent,
    SilentAfterEnquiry,
    NoSuchPort,
    NoPort,
    HeldElsewhere,
    NoPermission
};

constexpr int SparePort = 96;
// A file that even root may not open for writing.
const char* const ReadOnlyFile = "/proc/sys/kernel/osrelease";

void TestConnection::FailedConnectLeavesThePortFree_data() {
    QTest::addColumn<int>("failure");
    QTest::addColumn<QString>("reason"); // the third line; none when the port opened
    const QString held = QStringLiteral("Port %1 je zauzet drugim programom.");
    QTest::newRow("wrong password") << int(Failure::WrongPassword) << QString();
    QTest::newRow("silent register") << int(Failure::Silent) << QString();
    QTest::newRow("silent after the enquiry") << int(Failure::SilentAfterEnquiry) << QString();
    QTest::newRow("no such port") << int(Failure::NoSuchPort)
                                  << QStringLiteral("Port /dev/ttyS96 ne postoji.");
    QTest::newRow("port number 0")
        << int(Failure::NoPort) << QStringLiteral("Port /dev/ttyS-1 ne postoji.");
    QTest::newRow("held by another program") << int(Failure::HeldElsewhere) << held;
    QTest::newRow("no permission")
        << int(Failure::NoPermission)
        << QStringLiteral("Port %1: pristup odbijen. Dodajte korisnika u grupu dialout (sudo "
                          "adduser $USER dialout) i prijavite se ponovo.")
               .arg(QLatin1String(ReadOnlyFile));
}

// Exactly the two failure lines (and the reason when the port would not open),
// everything as before connecting, and a second try with the right password succeeds.
void TestConnection::FailedConnectLeavesThePortFree() {
    QFETCH(int, failure);
    QFETCH(QString, reason);
    TestWindow window;
    std::unique_ptr<WindowsSerial> holder;
    TFormMain& form = window.Form();
    window.ClearLog();
    const auto started = std::chrono::steady_clock::now();
    switch (static_cast<Failure>(failure)) {
    case Failure::WrongPassword:
        QVERIFY(!window.Connect(QStringLiteral("1234")));
        break;
    case Failure::Silent:
        window.Register().GoSilentAfter(0);
        QVERIFY(!window.Connect());
        break;
    case Failure::SilentAfterEnquiry:
        window.Register().GoSilentAfter(1); // the enquiry is answered, the log-out is not
        QVERIFY(!window.Connect());
        break;
    case Failure::NoSuchPort:
        form.Connect(SparePort + 1, 9600, QStringLiteral("7351")); // COM97: no such device
        QVERIFY(window.Frames().empty());
        break;
    case Failure::HeldElsewhere:
        holder = std::make_unique<WindowsSerial>(PortSettings(window.Port(), 9600, 8, 0, 0, 0, 0));
        QVERIFY(holder->Open());
        reason = reason.arg(QString::fromStdString(window.Register().DevicePath()));
        QVERIFY(!window.Connect());
        break;
    case Failure::NoPermission:
        RegisterPortDevice(SparePort, ReadOnlyFile);
        form.Connect(SparePort, 9600, QStringLiteral("7351"));
        UnregisterPortDevice(SparePort);
        break;
    case Failure::NoPort:
        form.ComboBoxPort->setCurrentIndex(-1);
        form.BitBtnConnect->click();
        QCOMPARE(form.SerialSettings.GetPort(), 0);
        break;
    }
    QVERIFY(std::chrono::steady_clock::now() - started < HangGuard);
    QCOMPARE(window.LogLines(),
             reason.isEmpty() ? ConnectFailedLines : ConnectFailedLines + QStringList{reason});
    VerifyNotConnected(form);
    holder.reset();
    window.Register().Resume();
    window.ClearLog();
    QVERIFY(window.Connect());
    QCOMPARE(window.LogLines(), QStringList{LoggedInLine});
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
    // The port was closed, so it opens again at once; on a cleared log the connect leaves
    // only its own line.
    window.ClearLog();
    QVERIFY(window.Connect());
    QCOMPARE(window.LogLines(), QStringList{LoggedInLine});
}

void TestConnection::ConnectAndDisconnectResetLists() {
    EmulatorOptions options;
    options.DemoArticles = true;
    TestWindow window(options);
    QVERIFY(window.Connect());
    TFormMain& form = window.Form();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("artikli.txt"));
    WriteArticleFile(path, {ArticleFileHeading, ArticleLine("Hleb", "11", "45.5")});
    window.LoadFile(path);
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

QTEST_MAIN(TestConnection)
#include "tst_connection.moc"
