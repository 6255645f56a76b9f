#include "ui/main/register_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "tills/till_line.h"
#include "ui/main/network_item.h"
#include "ui/main/network_port_dialog.h"
#include "ui/main/port_combo_box.h"
#include "ui/main/port_list.h"
#include "ui/main/speed_box.h"

namespace {

const char* const TakenName = "Kasa sa tim imenom je vec sacuvana";

QString Text(const char* latin) {
    return QString::fromLatin1(latin);
}

template <typename Control> Control* Named(Control* control, const char* name) {
    control->setObjectName(Text(name));
    return control;
}

} // namespace

RegisterDialog::RegisterDialog(QWidget* parent, const QString& linkFolder)
    : QDialog(parent), LinkFolder(linkFolder) {
    setObjectName(Text("RegisterDialog"));
    setWindowTitle(Text("Kasa"));
    EditRegisterName = Named(new QLineEdit(this), "EditRegisterName");
    auto* ports = Named(new PortComboBox(this), "ComboBoxRegisterPort");
    ComboBoxRegisterPort = ports;
    FillPortBox(ports, SystemPorts(LinkFolder));
    ports->BeforeOpening = [this] { FillPortBox(ComboBoxRegisterPort, SystemPorts(LinkFolder)); };
    ComboBoxRegisterSpeed = Named(new QComboBox(this), "ComboBoxRegisterSpeed");
    FillSpeedBox(ComboBoxRegisterSpeed);
    EditRegisterPassword = Named(new QLineEdit(this), "EditRegisterPassword");
    EditRegisterPassword->setEchoMode(QLineEdit::Password);
    LabelRegisterRefusal = Named(new QLabel(this), "LabelRegisterRefusal");
    LabelRegisterRefusal->setWordWrap(true);
    LabelRegisterRefusal->hide();
    auto* buttons =
        Named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this),
              "ButtonBoxRegister");
    buttons->button(QDialogButtonBox::Ok)->setObjectName(Text("BitBtnRegisterOk"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(Text("BitBtnRegisterCancel"));
    buttons->button(QDialogButtonBox::Ok)->setText(Text("Potvrdi"));
    buttons->button(QDialogButtonBox::Cancel)->setText(Text("Odustani"));
    connect(buttons, &QDialogButtonBox::accepted, this, &RegisterDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RegisterDialog::reject);
    connect(ports, &QComboBox::currentIndexChanged, this, [this](int item) {
        if (!IsNetworkDialogItem(ComboBoxRegisterPort, item)) {
            PortBefore = ItemIdentity(ComboBoxRegisterPort, item);
        }
    });
    connect(ports, &QComboBox::activated, this, &RegisterDialog::PortActivated);
    AskNetworkAddress = [this] {
        NetworkPortDialog dialog(this);
        return dialog.exec() == QDialog::Accepted ? dialog.Address() : QString();
    };

    auto* fields = new QFormLayout;
    fields->addRow(Named(new QLabel(Text("Ime"), this), "LabelRegisterName"), EditRegisterName);
    fields->addRow(Named(new QLabel(Text("Port"), this), "LabelRegisterPort"),
                   ComboBoxRegisterPort);
    fields->addRow(Named(new QLabel(Text("Brzina"), this), "LabelRegisterSpeed"),
                   ComboBoxRegisterSpeed);
    fields->addRow(Named(new QLabel(Text("Lozinka"), this), "LabelRegisterPassword"),
                   EditRegisterPassword);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(LabelRegisterRefusal);
    layout->addWidget(buttons);
    SetTill(Till{}, {});
}

void RegisterDialog::SetTill(const Till& till, const QStringList& taken) {
    Edited = till;
    Taken = taken;
    EditRegisterName->setText(QString::fromStdString(till.Name));
    if (!till.Port.empty()) {
        SelectSavedPort(ComboBoxRegisterPort, QString::fromStdString(till.Port));
    }
    ChooseSpeed(ComboBoxRegisterSpeed, till.Speed);
    EditRegisterPassword->setText(QString::fromStdString(till.Password));
    LabelRegisterRefusal->hide();
}

Till RegisterDialog::Result() const {
    Till till = Edited;
    till.Name = EditRegisterName->text().toStdString();
    till.Port =
        ItemIdentity(ComboBoxRegisterPort, ComboBoxRegisterPort->currentIndex()).toStdString();
    till.Speed = ChosenSpeed(ComboBoxRegisterSpeed);
    till.Password = EditRegisterPassword->text().toStdString();
    return till;
}

void RegisterDialog::accept() {
    const Till till = Result();
    if (Taken.contains(QString::fromStdString(till.Name))) {
        Refuse(Text(TakenName));
        return;
    }
    const std::string fault = TillFault(till);
    if (!fault.empty()) {
        Refuse(QString::fromStdString(fault));
        return;
    }
    QDialog::accept();
}

void RegisterDialog::PortActivated(int item) {
    if (IsNetworkDialogItem(ComboBoxRegisterPort, item) &&
        ChooseNetworkItem(ComboBoxRegisterPort, PortBefore, AskNetworkAddress, LinkFolder) ==
            NetworkChoice::NotKept) {
        Refuse(Text(AddressNotKeptText));
    }
}

void RegisterDialog::Refuse(const QString& reason) {
    LabelRegisterRefusal->setText(reason);
    LabelRegisterRefusal->show();
}
