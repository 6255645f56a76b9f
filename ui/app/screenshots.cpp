// Takes the pictures of the main window for the README and the user guide: at its design
// size and maximised, connected to the emulator with its demo articles listed; the PC
// page; the page "Istorija" after a send and a sync; the page "Kase" after the changes sent
// to its tills. Run on the offscreen platform by scripts/screenshots, with register images
// and records in a folder of its own. On Windows (under Wine) the register is on COM1, the
// line that test run checks, and one picture is taken, in the system's own style.
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QPushButton>
#include <QSysInfo>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>

#include <clocale>
#include <cstdio>
#include <utility>

#include "ui/app/application.h"
#include "ui/main/form_main.h"
#include "ui/main/grid_rows.h"
#include "ui/main/history_page.h"
#include "ui/main/port_list.h"

#ifdef TALON_SCREENSHOT_TILLS
#include <memory>
#include <vector>

#include "emulator/talon_emulator.h"
#include "text/log_sink.h"
#include "tills/till_list.h"
#include "ui/main/registers_page.h"
#endif

namespace {

constexpr int ShownRow = 3;
constexpr int Com1Item = 0;
// New prices of some articles of the example file, by their place in the PC table.
const std::pair<int, double> NewPrices[] = {{3, 94.99}, {6, 409.90}, {11, 225.00}, {17, 249.00}};
constexpr int ShownHistoryRow = 1;
// Wide enough for every column of the record.
constexpr int HistoryWidth = 1010;
constexpr int HistoryHeight = 560;

int EmulatorItem(const QComboBox* box) {
    for (int item = 0; item < box->count(); ++item) {
        if (IsEmulatorItem(box, item)) {
            return item;
        }
    }
    return -1;
}

bool Save(const QString& path) {
    QCoreApplication::processEvents();
    const bool saved = FormMain->grab().save(path);
    std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(path));
    return saved;
}

// The PC page with the example file loaded: the buttons that send it and their options.
bool SavePcPage(const QDir& folder) {
    FormMain->PageControl->setCurrentWidget(FormMain->PC);
    FormMain->ChooseOpenFile = [] {
        return QStringLiteral(TALON_EXAMPLES_DIR "/artikli-primer.txt");
    };
    FormMain->BitBtnOpen->click();
    return Save(folder.filePath(QStringLiteral("screenshot-pc.png")));
}

// The example file sent, then some new prices sent as changes: the record that the page
// "Istorija" lists. Follows SavePcPage, which loads the file.
bool SaveHistoryPage(const QDir& folder) {
    FormMain->BitBtnSend->click();
    for (const auto& price : NewPrices) {
        FormMain->ArticlesPC[price.first].SetPrice(price.second);
    }
    FormMain->BitBtnSendChanges->click();
    FormMain->PageControl->setCurrentWidget(FormMain->TabHistory);
    FormMain->TabHistory->GridHistory->selectRow(ShownHistoryRow);
    FormMain->resize(HistoryWidth, HistoryHeight);
    return Save(folder.filePath(QStringLiteral("screenshot-history.png")));
}

#ifdef TALON_SCREENSHOT_TILLS
constexpr int WindowWidth = 705;
constexpr int WindowHeight = 535;
const char* const ExampleFile = TALON_EXAMPLES_DIR "/artikli-primer.txt";
struct ShownTill {
    const char* Name; // UTF-8
    bool Answers;     // false: a register that stays silent
};
// The third is "Magacin" in Cyrillic.
const ShownTill ShownTills[] = {
    {"Prodavnica 1", true},
    {"Prodavnica 2", true},
    {"\xD0\x9C\xD0\xB0\xD0\xB3\xD0\xB0\xD1\x86\xD0\xB8\xD0\xBD", false}};
const char* const IdleTill = "Kafic"; // saved, ticked off
const char* const IdlePort = "3";

class Unheard : public LogSink {
public:
    void Line(const ECRString&) override {}
};

// The tills of the picture: each on an emulated register holding the example file, one
// of them silent, and one more ticked off.
std::vector<std::unique_ptr<TalonEmulator>> SaveTills() {
    std::vector<std::unique_ptr<TalonEmulator>> registers;
    TillList tills;
    for (const ShownTill& shown : ShownTills) {
        EmulatorOptions options;
        options.ArticleFile = ExampleFile;
        options.FiscalModule = "TE00002" + std::to_string(registers.size());
        registers.push_back(std::make_unique<TalonEmulator>(options));
        registers.back()->Start();
        Till till;
        till.Name = shown.Name;
        till.Port = registers.back()->DevicePath();
        tills.Put(till);
    }
    Till idle;
    idle.Name = IdleTill;
    idle.Port = IdlePort;
    idle.Enabled = false;
    tills.Put(idle);
    Unheard unheard;
    tills.Save(unheard);
    return registers;
}

// Each answering till listed once through the group "Talon", so that its image can be
// trusted; then the example file with new prices sent to all of them at once.
bool SaveRegistersPage(const QDir& folder) {
    FormMain->BitBtnDisconnect->click();
    FormMain->resize(WindowWidth, WindowHeight);
    const std::vector<std::unique_ptr<TalonEmulator>> registers = SaveTills();
    FormMain->PageControl->setCurrentWidget(FormMain->TabRegisters);
    QTableView* grid = FormMain->TabRegisters->GridRegisters;
    for (int row = 0; row < static_cast<int>(registers.size()); ++row) {
        if (ShownTills[row].Answers) {
            grid->selectRow(row);
            FormMain->GridRegistersDblClick();
            FormMain->BitBtnConnect->click();
            FormMain->BitBtnList->click();
            FormMain->BitBtnDisconnect->click();
        } else {
            registers[row]->GoSilentAfter(0);
        }
    }
    FormMain->ChooseOpenFile = [] { return QString::fromLatin1(ExampleFile); };
    FormMain->BitBtnOpen->click();
    for (const auto& price : NewPrices) {
        FormMain->ArticlesPC[price.first].SetPrice(price.second);
    }
    FormMain->BitBtnClearLog->click();
    FormMain->TabRegisters->ButtonSendChangesAll->click();
    grid->selectRow(0);
    return Save(folder.filePath(QStringLiteral("screenshot-kase.png")));
}
#endif

} // namespace

int main(int argc, char* argv[]) {
    Application application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    // The pictures' images and records stay out of the user's own data folder.
    const QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    CreateWindows();
    FormMain->show();
    const bool windows = QSysInfo::productType() == QLatin1String("windows");
    const int emulator = windows ? -1 : EmulatorItem(FormMain->ComboBoxPort);
    FormMain->ComboBoxPort->setCurrentIndex(emulator >= 0 ? emulator : Com1Item);
    FormMain->BitBtnConnect->click();
    FormMain->PageControl->setCurrentWidget(FormMain->Talon);
    FormMain->BitBtnList->click();
    SelectGridRow(FormMain->StringGridECR, ShownRow);
    bool saved = false;
    if (emulator < 0) {
        saved = Save(folder.filePath(QStringLiteral("screenshot-windows.png")));
    } else {
        saved = Save(folder.filePath(QStringLiteral("screenshot-main.png")));
        FormMain->showMaximized();
        saved = Save(folder.filePath(QStringLiteral("screenshot-maximised.png"))) && saved;
        FormMain->showNormal();
        saved = SavePcPage(folder) && saved;
        saved = SaveHistoryPage(folder) && saved;
#ifdef TALON_SCREENSHOT_TILLS
        saved = SaveRegistersPage(folder) && saved;
#endif
    }
    DestroyWindows();
    return saved ? 0 : 1;
}
