// The port box on Linux: COM1 to COM4, USB adapters, and the emulator started on demand.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "serial/port_devices.h"
#include "support_window.h"
#include "ui/main/form_main.h"
#include "ui/main/port_list.h"

namespace {

void Touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

int EmulatorIndex(const QComboBox* box) {
    for (int item = 0; item < box->count(); ++item) {
        if (IsEmulatorItem(box, item)) {
            return item;
        }
    }
    return -1;
}

// Emulator processes that this test program started and that still run ("comm" is the
// second field of /proc/PID/stat, the parent's id the fourth).
int ChildEmulators() {
    int count = 0;
    const QString parent = QString::number(QCoreApplication::applicationPid());
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QStringList fields = QString::fromLatin1(stat.readAll()).split(QLatin1Char(' '));
        if (fields.size() > 3 && fields[1] == QLatin1String("(talon-emulator)") &&
            fields[3] == parent) {
            ++count;
        }
    }
    return count;
}

const QStringList FailureLines{QStringLiteral("Greska u otvaranju konekcije!"),
                               QStringLiteral("Proverite parametre, kabl i podesavanja na kasi.")};

} // namespace

class TestPorts : public QObject {
    Q_OBJECT

private slots:
    void AdaptersInNumericOrder();
    void BoxListsFixedAdaptersAndEmulator();
    void OnlyTheMarkedItemIsTheEmulator();
    void EmulatorItemConnects();
    void EmulatorThatCannotStart();
};

void TestPorts::AdaptersInNumericOrder() {
    QTemporaryDir folder;
    for (const char* name : {"ttyUSB10", "ttyUSB2", "ttyACM0", "ttyS0", "ttyUSB0", "random"}) {
        Touch(folder.filePath(QString::fromLatin1(name)));
    }
    const QStringList expected{
        folder.filePath(QStringLiteral("ttyUSB0")), folder.filePath(QStringLiteral("ttyUSB2")),
        folder.filePath(QStringLiteral("ttyUSB10")), folder.filePath(QStringLiteral("ttyACM0"))};
    QCOMPARE(SerialAdapters(folder.path()), expected);
}

void TestPorts::BoxListsFixedAdaptersAndEmulator() {
    QComboBox box;
    FillPortBox(&box, {QStringLiteral("/dev/ttyUSB0"), QStringLiteral("/dev/ttyACM3")});
    QStringList items;
    for (int item = 0; item < box.count(); ++item) {
        items << box.itemText(item);
    }
    QCOMPARE(items, (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                 QStringLiteral("4"), QStringLiteral("/dev/ttyUSB0"),
                                 QStringLiteral("/dev/ttyACM3"), QStringLiteral("Emulator")}));
    QCOMPARE(box.currentIndex(), 0);
    // Port number = position + 1, and the adapters lead to their devices.
    QCOMPARE(PortDevicePath(5), std::string("/dev/ttyUSB0"));
    QCOMPARE(PortDevicePath(6), std::string("/dev/ttyACM3"));
    QCOMPARE(PortDevicePath(1), std::string("/dev/ttyS0"));
    QCOMPARE(PortDevicePath(4), std::string("/dev/ttyS3"));
    UnregisterPortDevice(5);
    UnregisterPortDevice(6);
}

void TestPorts::OnlyTheMarkedItemIsTheEmulator() {
    QComboBox box;
    FillPortBox(&box, {QStringLiteral("Emulator")});
    QVERIFY(!IsEmulatorItem(&box, 4));
    QVERIFY(IsEmulatorItem(&box, 5));
    QVERIFY(!IsEmulatorItem(&box, -1));
    UnregisterPortDevice(5);
}

void TestPorts::EmulatorItemConnects() {
    if (qEnvironmentVariableIsEmpty("TALON_EMULATOR")) {
        QSKIP("TALON_EMULATOR names the emulator program when run by CTest");
    }
    std::string device;
    {
        TestWindow window;
        TFormMain& form = window.Form();
        const int item = EmulatorIndex(form.ComboBoxPort);
        QVERIFY(item >= FixedPortCount);
        form.ComboBoxPort->setCurrentIndex(item);
        window.ClearLog();
        form.BitBtnConnect->click();
        QCOMPARE(window.LogLines(), QStringList{QStringLiteral("*** Prijavljivanje - OK ***")});
        QCOMPARE(form.SerialSettings.GetPort(), item + 1);
        device = PortDevicePath(item + 1);
        QVERIFY(device.rfind("/dev/", 0) == 0);
        // A disconnect leaves the emulator running: the next connect reaches the same one.
        form.BitBtnDisconnect->click();
        form.BitBtnConnect->click();
        QVERIFY(form.Connected);
        QCOMPARE(PortDevicePath(item + 1), device);
        QCOMPARE(ChildEmulators(), 1);
    }
    // The program's end takes the emulator with it.
    QCOMPARE(ChildEmulators(), 0);
}

void TestPorts::EmulatorThatCannotStart() {
    const QByteArray saved = qgetenv("TALON_EMULATOR");
    qputenv("TALON_EMULATOR", "/bin/true"); // starts, says nothing, ends
    TestWindow window;
    TFormMain& form = window.Form();
    form.ComboBoxPort->setCurrentIndex(EmulatorIndex(form.ComboBoxPort));
    window.ClearLog();
    form.BitBtnConnect->click();
    const QStringList lines = window.LogLines();
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[0].startsWith(QLatin1String("Emulator nije moguce pokrenuti: ")));
    QCOMPARE(lines.mid(1), FailureLines);
    QVERIFY(!form.Connected);
    qputenv("TALON_EMULATOR", saved);
}

QTEST_MAIN(TestPorts)
#include "tst_ports.moc"
