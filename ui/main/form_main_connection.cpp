#include "ui/main/form_main.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "ecr/talon_ecr.h"
#include "serial/ecr_error.h"
#include "serial/windows_serial.h"
#include "ui/common/text_convert.h"
#include "ui/main/emulator_process.h"
#include "ui/main/port_list.h"

namespace {

const char* const LoggedInLine = "*** Prijavljivanje - OK ***";
const char* const ConnectFailedLine = "Greska u otvaranju konekcije!";
const char* const ConnectAdviceLine = "Proverite parametre, kabl i podesavanja na kasi.";
const char* const LoggedOutLine = "Odjavljivanje - OK";
const char* const PrintOkLine = "OK";
const char* const EmulatorFailedLine = "Emulator nije moguce pokrenuti: ";
const char* const EmulatorConnectedLine = "Povezano sa emulatorom, ne sa kasom.";
constexpr int FastSpeed = 19200;
constexpr int SlowSpeed = 9600;
constexpr int FastSpeedItem = 1;
constexpr int ByteSize = 8;
constexpr int OneStopBit = 0;
constexpr int NoParity = 0;
constexpr int NoHandshake = 0;
constexpr int DtrOff = 0;

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
            Log(Text(ConnectFailedLine));
            Log(Text(ConnectAdviceLine));
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
    SerialSettings = PortSettings(port, speed, ByteSize, NoParity, OneStopBit, NoHandshake, DtrOff);
    // The objects of an earlier failed attempt go now; the register object first.
    ECR.reset();
    Serial = std::make_unique<WindowsSerial>(SerialSettings);
    try {
        if (Serial->Open()) {
            ECR = std::make_unique<TalonECR>(*Serial);
            if (ECR->Ping()) {
                ECR->LogOut(); // the log-in follows whatever the register says to this
                if (ECR->LogIn(ToECRString(password))) {
                    Connected = true;
                    Log(Text(LoggedInLine));
                    ECR->SetPrinting(CheckBoxPrint->isChecked()); // its answer is not shown
                    UpdateControls();
                    return;
                }
            }
        }
        Serial->Close();
    } catch (const ECRError&) {
        // Whatever step failed, the port must be free for the next attempt.
        Connected = false;
        Serial->Close();
    }
    Log(Text(ConnectFailedLine));
    Log(Text(ConnectAdviceLine));
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
    ECR.reset();
    Serial.reset();
}

void TFormMain::CheckBoxPrintClick() {
    if (!ECR) {
        return; // the box is usable only while connected
    }
    GuardLink([this] {
        if (ECR->SetPrinting(CheckBoxPrint->isChecked()) == 0) {
            Log(Text(PrintOkLine));
        } else {
            LogError();
        }
    });
}
