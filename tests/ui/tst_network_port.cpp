// The port box's network ports: the address dialog, the speed box they set, connecting
// through one and finding it again after a new start.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <csignal>

#include "serial/network_address.h"
#include "support_window.h"
#include "ui/main/form_main.h"
#include "ui/main/network_port_dialog.h"
#include "ui/main/network_ports.h"

namespace {

const QString ConverterSpeedHint = QStringLiteral("Brzinu podesava konvertor");

int ItemNamed(const QComboBox* box, const QString& text) {
    return box->findText(text);
}

// What the user does: picks the item from the open list.
void Choose(QComboBox* box, int item) {
    box->setCurrentIndex(item);
    emit box->activated(item);
}

} // namespace

class TestNetworkPort : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void DialogRefusesAMalformedAddressAndTakesAGoodOne();
    void ChosenAddressConnectsAndIsOfferedAfterANewStart();
    void CancelledDialogKeepsThePortChosenBefore();
};

void TestNetworkPort::initTestCase() {
    // The emulator serves TCP in this process; a connection closed under a reply must
    // not end the test program.
    std::signal(SIGPIPE, SIG_IGN);
}

void TestNetworkPort::DialogRefusesAMalformedAddressAndTakesAGoodOne() {
    NetworkPortDialog dialog;
    dialog.EditAddress->setText(QStringLiteral("tcp://kasa"));
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(dialog.LabelRefusal->text(),
             QString::fromStdString(MalformedAddressText("tcp://kasa")));
    dialog.EditAddress->setText(QStringLiteral(" rfc2217://[::1]:2217 "));
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Address(), QStringLiteral("rfc2217://[::1]:2217"));
}

void TestNetworkPort::ChosenAddressConnectsAndIsOfferedAfterANewStart() {
    TalonEmulator converter;
    converter.Listen("127.0.0.1", 0);
    const QString address = QString::fromStdString(converter.DevicePath());
    {
        TestWindow window;
        TFormMain& form = window.Form();
        form.AskNetworkAddress = [&address] { return address; };
        Choose(form.ComboBoxPort, ItemNamed(form.ComboBoxPort, QStringLiteral("Mrezni port...")));
        QCOMPARE(form.ComboBoxPort->currentText(), address);
        QVERIFY(!form.ComboBoxSpeed->isEnabled());
        QCOMPARE(form.ComboBoxSpeed->toolTip(), ConverterSpeedHint);
        window.ClearLog();
        form.BitBtnConnect->click();
        QVERIFY(form.Connected);
        QCOMPARE(window.LogLines(), QStringList{LoggedInLine});
        QVERIFY(converter.LoggedIn());
        // The converter closes the idle connection (and takes new ones on the same port):
        // the next command connects again without a word.
        converter.Stop();
        converter.Listen("127.0.0.1", ParseNetworkAddress(address.toStdString())->Port);
        window.ClearLog();
        form.BitBtnStatus->click();
        QCOMPARE(window.LogLines().size(), 16);
        QVERIFY(window.LogLines().contains(QStringLiteral("Artikala: 0")));
        form.BitBtnDisconnect->click();
        QVERIFY(!form.ComboBoxSpeed->isEnabled()); // still the converter's
    }
    QCOMPARE(RememberedAddresses().value(0), address);
    TestWindow again;
    QComboBox* ports = again.Form().ComboBoxPort;
    QVERIFY(ItemNamed(ports, address) >= 0);
    ports->setCurrentIndex(0);
    QVERIFY(again.Form().ComboBoxSpeed->isEnabled());
    QVERIFY(again.Form().ComboBoxSpeed->toolTip() != ConverterSpeedHint);
}

void TestNetworkPort::CancelledDialogKeepsThePortChosenBefore() {
    TestWindow window;
    QComboBox* ports = window.Form().ComboBoxPort;
    window.Form().AskNetworkAddress = [] { return QString(); };
    ports->setCurrentIndex(2);
    Choose(ports, ItemNamed(ports, QStringLiteral("Mrezni port...")));
    QCOMPARE(ports->currentText(), QStringLiteral("3"));
}

QTEST_MAIN(TestNetworkPort)
#include "tst_network_port.moc"
