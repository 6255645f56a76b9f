// Takes the README's pictures of the main window: at its design size and maximised,
// connected to the emulator with its demo articles listed; the PC page; the page
// "Istorija" after a send and a sync. Run on the offscreen platform by scripts/screenshots,
// with register images and records in a folder of its own. On Windows (under Wine) the
// register is on COM1, the line that test run checks, and one picture is taken, in the
// system's own style.
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
    }
    DestroyWindows();
    return saved ? 0 : 1;
}
