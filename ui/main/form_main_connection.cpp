#include "ui/main/form_main.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "ecr/talon_ecr.h"
#include "operations/connect_register.h"
#include "image/image_keeper.h"
#include "serial/windows_serial.h"
#include "ui/common/text_convert.h"
#include "ui/main/emulator_process.h"
#include "ui/main/image_folder.h"
#include "ui/main/port_list.h"
#include "ui/main/window_sinks.h"

namespace {

const char* const LoggedOutLine = "Odjavljivanje - OK";
const char* const EmulatorFailedLine = "Emulator nije moguce pokrenuti: ";
const char* const EmulatorConnectedLine = "Povezano sa emulatorom, ne sa kasom.";
constexpr int FastSpeedItem = 1;

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
    const int speed = ComboBoxSpeed->currentIndex() == FastSpeedItem ? FastSpeed : SlowSpeed;
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
    Connect(port, speed, EditPassword->text());
    if (emulator && Connected) {
        // The articles written now are not in any register.
        Log(Text(EmulatorConnectedLine));
    }
}

void TFormMain::Connect(int port, int speed, const QString& password) {
    SerialSettings = RegisterPortSettings(port, speed);
    // The objects of an earlier failed attempt go now; the register object first.
    Image.reset();
    ECR.reset();
    Serial = std::make_unique<WindowsSerial>(SerialSettings);
    WindowLog log(*this);
    Connected = ConnectRegister(*Serial, ECR, ToECRString(password), CheckBoxPrint->isChecked(),
                                log) == ConnectOutcome::Connected;
    if (Connected) {
        Image = std::make_unique<ImageKeeper>(WindowImageFolder());
        UpdateControls();
    }
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
}
