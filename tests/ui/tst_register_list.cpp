// The saved tills on the page "Kase": the dialog keeps what a till was saved with, and a
// tills file with a line that cannot be read is never saved over.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "support_window.h"
#include "tills/till_list.h"
#include "ui/main/form_main.h"
#include "ui/main/register_dialog.h"
#include "ui/main/registers_model.h"
#include "ui/main/registers_page.h"

class TestRegisterList : public QObject {
    Q_OBJECT

private slots:
    void init();
    void dialogKeepsTheSavedPort_data();
    void dialogKeepsTheSavedPort();
    void dialogRefusesANameTaken();
    void damagedFileIsNotSavedOver();

private:
    std::unique_ptr<QTemporaryDir> Data;
};

void TestRegisterList::init() {
    Data = std::make_unique<QTemporaryDir>();
    QVERIFY(Data->isValid());
    qputenv("XDG_DATA_HOME", Data->path().toLocal8Bit());
}

void TestRegisterList::dialogKeepsTheSavedPort_data() {
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("kept");
    QTest::newRow("number") << QStringLiteral("2") << QStringLiteral("2");
    QTest::newRow("COM name") << QStringLiteral("COM3") << QStringLiteral("3");
    QTest::newRow("adapter unplugged") << QStringLiteral("/dev/serial/by-id/usb-FTDI-if00")
                                       << QStringLiteral("/dev/serial/by-id/usb-FTDI-if00");
    QTest::newRow("network") << QStringLiteral("rfc2217://10.0.0.5:4001")
                             << QStringLiteral("rfc2217://10.0.0.5:4001");
}

void TestRegisterList::dialogKeepsTheSavedPort() {
    QFETCH(QString, saved);
    QFETCH(QString, kept);
    RegisterDialog dialog(nullptr, Data->path()); // no adapter listed
    Till till;
    till.Name = "Kasa";
    till.Port = saved.toStdString();
    till.Speed = FastSpeed;
    till.Password = "1234";
    dialog.SetTill(till, {});
    const Till shown = dialog.Result();
    QCOMPARE(QString::fromStdString(shown.Port), kept);
    QCOMPARE(shown.Speed, FastSpeed);
    QCOMPARE(shown.Password, std::string("1234"));
}

void TestRegisterList::dialogRefusesANameTaken() {
    RegisterDialog dialog(nullptr, Data->path());
    Till till;
    till.Name = "Kasa 2";
    till.Port = "1";
    dialog.SetTill(till, {QStringLiteral("Kasa 2")});
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(dialog.LabelRegisterRefusal->text(),
             QStringLiteral("Kasa sa tim imenom je vec sacuvana"));
}

void TestRegisterList::damagedFileIsNotSavedOver() {
    const QString path = QString::fromStdString(TillList::DefaultPath());
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    const QByteArray content = "Kasa 1\t1\t9600\nsamo ime\n";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    TestWindow window;
    TFormMain& form = window.Form();
    const QStringList damaged = {
        QStringLiteral("Kase: red 2 nije ispravan: treba bar ime, port i brzina, odvojeni TAB-om")};
    QCOMPARE(window.LogLines().filter(QStringLiteral("Kase: ")), damaged);
    form.RunRegisterDialog = [](Till& till, const QStringList&) {
        till.Name = "Kasa 2";
        till.Port = "2";
        return true;
    };
    window.ClearLog();
    form.PageControl->setCurrentWidget(form.TabRegisters);
    form.TabRegisters->ButtonAddRegister->click();

    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), content);
    QCOMPARE(form.TabRegisters->Model().rowCount(), 1); // what the file holds
    const QStringList lines = window.LogLines();
    QCOMPARE(lines.size(), 1); // the damaged line was told already
    QVERIFY2(lines.first().contains(QStringLiteral("nije snimljen")), qPrintable(lines.first()));
}

QTEST_MAIN(TestRegisterList)
#include "tst_register_list.moc"
