#include "ui/main/network_port_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "serial/network_address.h"

namespace {

QString Text(const char* latin) {
    return QString::fromLatin1(latin);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(Text(name));
    return label;
}

} // namespace

NetworkPortDialog::NetworkPortDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(Text("NetworkPortDialog"));
    setWindowTitle(Text("Mrezni port"));
    EditAddress = new QLineEdit(this);
    EditAddress->setObjectName(Text("EditAddress"));
    EditAddress->setPlaceholderText(Text("rfc2217://192.168.1.50:4001"));
    LabelRefusal = MakeLabel(this, "LabelRefusal", QString());
    LabelRefusal->setWordWrap(true);
    LabelRefusal->hide();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(Text("ButtonBoxAddress"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(Text("BitBtnAddressOk"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(Text("BitBtnAddressCancel"));
    buttons->button(QDialogButtonBox::Ok)->setText(Text("Potvrdi"));
    buttons->button(QDialogButtonBox::Cancel)->setText(Text("Odustani"));
    connect(buttons, &QDialogButtonBox::accepted, this, &NetworkPortDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &NetworkPortDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeLabel(this, "LabelAddress", Text("Adresa konvertora:")));
    layout->addWidget(EditAddress);
    layout->addWidget(MakeLabel(
        this, "LabelRaw",
        Text("tcp://RACUNAR:PORT - konvertor prenosi bajtove, brzinu podesava sam konvertor")));
    layout->addWidget(
        MakeLabel(this, "LabelRfc2217",
                  Text("rfc2217://RACUNAR:PORT - konvertor po RFC 2217, brzinu podesava program")));
    layout->addWidget(LabelRefusal);
    layout->addWidget(buttons);
}

QString NetworkPortDialog::Address() const {
    return EditAddress->text().trimmed();
}

void NetworkPortDialog::accept() {
    const std::string address = Address().toStdString();
    if (!ParseNetworkAddress(address)) {
        LabelRefusal->setText(QString::fromStdString(MalformedAddressText(address)));
        LabelRefusal->show();
        return;
    }
    QDialog::accept();
}
