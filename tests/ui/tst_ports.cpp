// The port box on Linux: COM1 to COM4, the serial ports the system lists (read again each
// time the box opens), and the emulator started on demand.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "serial/port_devices.h"
#include "support_window.h"
#include "tests/support/pty_pair.h"
#include "ui/main/com_ports.h"
#include "ui/main/form_main.h"
#include "ui/main/port_list.h"

namespace {

PortEntry Port(const char* device, const char* description = "") {
    const QString path = QString::fromLatin1(device);
    return PortEntry{path, QString::fromLatin1(description), path};
}

QStringList Devices(const QList<PortEntry>& ports) {
    QStringList devices;
    for (const PortEntry& port : ports) {
        devices << port.Device;
    }
    return devices;
}

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int item = 0; item < box->count(); ++item) {
        items << box->itemText(item);
    }
    return items;
}

// Opens and closes the port box as the user does to look at the list.
void LookAtPorts(QComboBox* box) {
    box->showPopup();
    box->hidePopup();
}

// A stable link in `folder` to a device, as udev makes one for a USB adapter.
void PlugIn(const QString& folder, const QString& name, const std::string& device) {
    QVERIFY(QFile::link(QString::fromStdString(device), folder + QLatin1Char('/') + name));
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
    void ComPortsAfterTheFixedOnes();
    void BoxListsFixedAdaptersAndEmulator();
    void OnlyTheMarkedItemIsTheEmulator();
    void StableLinksAreListed();
    void PortsComeAndGoBetweenLooks();
    void ConnectsThroughTheStableLink();
    void EmulatorItemConnects();
    void EmulatorThatCannotStart();
};

void TestPorts::AdaptersInNumericOrder() {
    const QList<PortEntry> found{Port("/dev/ttyUSB10"), Port("/dev/ttyS5"),  Port("/dev/ttyUSB2"),
                                 Port("/dev/ttyACM0"),  Port("/dev/ttyS0"),  Port("/dev/ttyUSB0"),
                                 Port("/dev/ttyS3"),    Port("/dev/rfcomm0")};
    // ttyS0 to ttyS3 are the items 1 to 4 already.
    QCOMPARE(Devices(AdapterPorts(found)),
             (QStringList{"/dev/ttyUSB0", "/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyACM0",
                          "/dev/rfcomm0", "/dev/ttyS5"}));
}

// What Windows lists: COM1 to COM4 are the fixed items; every other COM port follows by
// number, with Device Manager's name for it, and opens through the device namespace.
void TestPorts::ComPortsAfterTheFixedOnes() {
    const QList<ComPortName> found{{"COM10", ""},
                                   {"COM1", "Communications Port (COM1)"},
                                   {"COM7", "USB Serial Port (COM7)"},
                                   {"LPT1", ""},
                                   {"COM7", ""},
                                   {"com5", "COM5"},
                                   {"COM4", ""}};
    const QList<PortEntry> ports = ComPortEntries(found);
    QCOMPARE(Devices(ports), (QStringList{"COM5", "COM7", "COM10"}));
    QCOMPARE(ports[2].Stable, QStringLiteral("\\\\.\\COM10"));
    QComboBox box;
    FillPortBox(&box, ports);
    QCOMPARE(Items(&box).mid(0, 7),
             (QStringList{"1", "2", "3", "4", "COM5", "COM7 (USB Serial Port)", "COM10"}));
    QCOMPARE(RegisteredPortDevice(6), std::string("\\\\.\\COM7"));
    FillPortBox(&box, {});
    QVERIFY(RegisteredPortDevice(6).empty());
}

void TestPorts::BoxListsFixedAdaptersAndEmulator() {
    QComboBox box;
    PortEntry renamed = Port("/dev/ttyUSB0", "FT232R USB UART");
    renamed.Stable = QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1-if00-port0");
    FillPortBox(&box, {renamed, Port("/dev/ttyACM3")});
    QCOMPARE(Items(&box), (QStringList{"1", "2", "3", "4", "/dev/ttyUSB0 (FT232R USB UART)",
                                       "/dev/ttyACM3", "Mrezni port...", "Emulator"}));
    QCOMPARE(box.currentIndex(), 0);
    // Port number = position + 1, and the adapters lead to their stable paths.
    QCOMPARE(PortDevicePath(5), renamed.Stable.toStdString());
    QCOMPARE(PortDevicePath(6), std::string("/dev/ttyACM3"));
    QCOMPARE(PortDevicePath(1), std::string("/dev/ttyS0"));
    QCOMPARE(PortDevicePath(4), std::string("/dev/ttyS3"));
    // A second reading without the adapters leaves their numbers leading nowhere special.
    FillPortBox(&box, {});
    QCOMPARE(PortDevicePath(5), std::string("/dev/ttyS4"));
    QCOMPARE(PortDevicePath(6), std::string("/dev/ttyS5"));
}

void TestPorts::OnlyTheMarkedItemIsTheEmulator() {
    QComboBox box;
    FillPortBox(&box, {Port("Emulator")});
    QVERIFY(!IsEmulatorItem(&box, 4));
    QVERIFY(IsEmulatorItem(&box, 6));
    QVERIFY(!IsEmulatorItem(&box, -1));
    UnregisterPortDevice(5);
}

void TestPorts::StableLinksAreListed() {
    QTemporaryDir folder;
    PtyPair adapter;
    PlugIn(folder.path(), QStringLiteral("usb-Talon_Cable_42-if00"), adapter.SlavePath());
    PlugIn(folder.path(), QStringLiteral("usb-Gone-if00"), "/dev/no-such-adapter");
    const QList<PortEntry> ports = SystemPorts(folder.path());
    const auto found = std::find_if(ports.begin(), ports.end(), [&adapter](const PortEntry& p) {
        return p.Device.toStdString() == adapter.SlavePath();
    });
    QVERIFY(found != ports.end());
    QCOMPARE(found->Description, QStringLiteral("usb-Talon_Cable_42-if00"));
    QCOMPARE(found->Stable, folder.filePath(QStringLiteral("usb-Talon_Cable_42-if00")));
    for (const PortEntry& port : ports) {
        QVERIFY(port.Description != QLatin1String("usb-Gone-if00")); // a dangling link
    }
}

// An adapter plugged in after start appears at the next look, one unplugged goes, and
// the chosen item stays chosen while it exists, even when it moves.
void TestPorts::PortsComeAndGoBetweenLooks() {
    QTemporaryDir folder;
    TestWindow window;
    TFormMain& form = window.Form();
    form.PortLinkFolder = folder.path();
    LookAtPorts(form.ComboBoxPort);
    const QStringList before = Items(form.ComboBoxPort);
    form.ComboBoxPort->setCurrentIndex(EmulatorIndex(form.ComboBoxPort));

    auto adapter = std::make_unique<PtyPair>();
    const QString item =
        QStringLiteral("%1 (usb-Cable-if00)").arg(QString::fromStdString(adapter->SlavePath()));
    PlugIn(folder.path(), QStringLiteral("usb-Cable-if00"), adapter->SlavePath());
    LookAtPorts(form.ComboBoxPort);
    QCOMPARE(Items(form.ComboBoxPort).size(), before.size() + 1);
    QVERIFY(Items(form.ComboBoxPort).contains(item));
    QVERIFY(IsEmulatorItem(form.ComboBoxPort, form.ComboBoxPort->currentIndex()));

    form.ComboBoxPort->setCurrentIndex(form.ComboBoxPort->findText(item));
    QVERIFY(QFile::remove(folder.filePath(QStringLiteral("usb-Cable-if00"))));
    adapter.reset();
    LookAtPorts(form.ComboBoxPort);
    QCOMPARE(Items(form.ComboBoxPort), before);
    QCOMPARE(form.ComboBoxPort->currentIndex(), 0); // the chosen adapter is gone
}

void TestPorts::ConnectsThroughTheStableLink() {
    QTemporaryDir folder;
    TestWindow window;
    TFormMain& form = window.Form();
    form.PortLinkFolder = folder.path();
    PlugIn(folder.path(), QStringLiteral("usb-Talon-if00"), window.Register().DevicePath());
    LookAtPorts(form.ComboBoxPort);
    const int item = form.ComboBoxPort->findText(
        QStringLiteral("%1 (usb-Talon-if00)")
            .arg(QFileInfo(QString::fromStdString(window.Register().DevicePath()))
                     .canonicalFilePath()));
    QVERIFY(item >= FixedPortCount);
    QCOMPARE(PortDevicePath(item + 1),
             folder.filePath(QStringLiteral("usb-Talon-if00")).toStdString());
    form.ComboBoxPort->setCurrentIndex(item);
    form.BitBtnConnect->click();
    QVERIFY(form.Connected);
    QCOMPARE(window.LogLines().last(), LoggedInLine); // no emulator line: this is a port
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
        QCOMPARE(window.LogLines(),
                 (QStringList{QStringLiteral("*** Prijavljivanje - OK ***"),
                              QStringLiteral("Povezano sa emulatorom, ne sa kasom.")}));
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
