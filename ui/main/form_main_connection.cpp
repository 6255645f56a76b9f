#include "ui/main/form_main.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "ecr/talon_ecr.h"
#include "image/image_keeper.h"
#include "operations/connect_register.h"
#include "operations/reconnection.h"
#include "serial/port_link.h"
#include "ui/common/text_convert.h"
#include "ui/main/emulator_process.h"
#include "ui/main/image_folder.h"
#include "ui/main/network_item.h"
#include "ui/main/port_list.h"
#include "ui/main/speed_box.h"
#include "ui/main/window_sinks.h"

namespace {

const char* const LoggedOutLine = "Odjavljivanje - OK";
const char* const EmulatorFailedLine = "Emulator nije moguce pokrenuti: ";
const char* const EmulatorConnectedLine = "Povezano sa emulatorom, ne sa kasom.";
const char* const SpeedHint = "Brzina komunikacije sa Talon kasom (fabricka vrednost je 9600)";
const char* const ConverterSpeedHint = "Brzinu podesava konvertor";

QString Text(const char* latin) {
    return QString::fromLatin1(latin);
}

} // namespace

void TFormMain::BitBtnConnectClick() {
    if (Connected) {
        return;
    }
    const int item = ComboBoxPort->currentIndex();
    const int port = item + 1; // no selected item gives port 0
    const int speed = ChosenSpeed(ComboBoxSpeed);
    const bool emulator = IsEmulatorItem(ComboBoxPort, item);
    if (emulator) {
        if (!Emulator) {
            Emulator = std::make_unique<EmulatorProcess>();
        }
        QString failure;
        if (!Emulator->Ensure(port, failure)) {
            Log(Text(EmulatorFailedLine) + failure);
            WindowLog log(*this);
            LogConnectFailure(log);
            return;
        }
    }
    // An emulator serving TCP (on Windows) is reached as a converter would be.
    Connect(port, speed, EditPassword->text(),
            emulator ? Emulator->Address() : ItemAddress(ComboBoxPort, item));
    if (emulator && Connected) {
        // The articles written now are not in any register.
        Log(Text(EmulatorConnectedLine));
    }
}

void TFormMain::Connect(int port, int speed, const QString& password,
                        const std::optional<NetworkAddress>& address) {
    SerialSettings = RegisterPortSettings(port, speed);
    // The objects of an earlier failed attempt go now; the register object first.
    Reconnect.reset();
    Image.reset();
    ECR.reset();
    Serial = MakePortLink(SerialSettings, address);
    WindowLog log(*this);
    const bool printing = CheckBoxPrint->isChecked();
    Connected = ConnectRegister(*Serial, ECR, ToECRString(password), printing, log) ==
                ConnectOutcome::Connected;
    if (Connected) {
        Image = std::make_unique<ImageKeeper>(WindowImageFolder());
        if (address) {
            Reconnect =
                std::make_unique<Reconnection>(*Serial, *ECR, ToECRString(password), printing);
        }
        UpdateControls();
    }
}

void TFormMain::ComboBoxPortActivated(int item) {
    if (!IsNetworkDialogItem(ComboBoxPort, item)) {
        return;
    }
    if (ChooseNetworkItem(ComboBoxPort, PortBeforeDialog, AskNetworkAddress, PortLinkFolder) ==
        NetworkChoice::NotKept) {
        Log(Text(AddressNotKeptText));
    }
}

void TFormMain::UpdateSpeedBox() {
    const std::optional<NetworkAddress> address =
        ItemAddress(ComboBoxPort, ComboBoxPort->currentIndex());
    const bool converterSets = address && address->Scheme == NetworkScheme::RawTcp;
    ComboBoxSpeed->setEnabled(!Connected && !converterSets);
    ComboBoxSpeed->setToolTip(Text(converterSets ? ConverterSpeedHint : SpeedHint));
}

void TFormMain::BitBtnDisconnectClick() {
    if (Connected) {
        Disconnect();
    }
}

void TFormMain::Disconnect() {
    ReleaseConnection();
    Connected = false;
    BitBtnClearLogClick();
    UpdateControls();
    Log(Text(LoggedOutLine));
}

void TFormMain::ReleaseConnection() {
    // Nothing is said to the register: releasing the link just closes the port.
    Reconnect.reset();
    Image.reset();
    ECR.reset();
    Serial.reset();
}

void TFormMain::CheckBoxPrintClick() {
    if (!ECR) {
        return; // the box is usable only while connected
    }
    GuardLink([this] {
        WindowLog log(*this);
        SwitchPrinting(*ECR, CheckBoxPrint->isChecked(), log);
    });
    if (Reconnect) {
        Reconnect->KeepPrinting(CheckBoxPrint->isChecked());
    }
}
