#include "support_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

#include "plu/talon_plu_item.h"
#include "serial/port_devices.h"
#include "ui/common/error_display.h"
#include "ui/edit/edit_plu.h"
#include "ui/main/form_main.h"
#include "ui/main/grid_rows.h"
#include "ui/progress/progress_box.h"

namespace {

// The window keeps its own line count beside the text (an empty log and one empty line
// look alike in the text box).
const char* const LogLineCountProperty = "logLines";

} // namespace

const QString LoggedInLine = QStringLiteral("*** Prijavljivanje - OK ***");
const QStringList ConnectFailedLines = {
    QStringLiteral("Greska u otvaranju konekcije!"),
    QStringLiteral("Proverite parametre, kabl i podesavanja na kasi.")};
const QString LinkTimeoutLine =
    QStringLiteral("Greska u komunikaciji: kasa ne odgovara. Proverite kabl i pokusajte ponovo.");
const QString PortGoneLine =
    QStringLiteral("Greska u komunikaciji: port nije dostupan. Pritisnite Zatvori, proverite kabl "
                   "ili USB adapter, pa Otvori.");
const QString ListIncompleteLine = QStringLiteral("Lista nije potpuna: pritisnite Prikazi");
const QString ArticleFileHeading = QStringLiteral("Naziv\tBarkod\tCena");

TestWindow::TestWindow(const EmulatorOptions& options)
    : Emulator(std::make_unique<TalonEmulator>(options)) {
    Emulator->Start();
    Main = new TFormMain;
    FormMain = Main;
    Progress = new TProgressBox(Main);
    ProgressBox = Progress;
    Main->SetProgressBox(Progress);
    EditDialog = new TEditPLU(Main);
    EditPLU = EditDialog;
    Main->SetEditDialog(EditDialog);
    Main->AskQuestion = [this](const QString& question) {
        Questions << question;
        return Answer;
    };

    QComboBox* ports = Main->ComboBoxPort;
    ports->addItem(QString::fromStdString(Emulator->DevicePath()));
    EmulatorItem = ports->count() - 1;
    EmulatorPort = EmulatorItem + 1;
    RegisterPortDevice(EmulatorPort, Emulator->DevicePath());
}

TestWindow::~TestWindow() {
    delete Progress;
    delete Main; // the edit dialog goes with it
    if (ProgressBox == Progress) {
        ProgressBox = nullptr;
    }
    if (FormMain == Main) {
        FormMain = nullptr;
    }
    if (EditPLU == EditDialog) {
        EditPLU = nullptr;
    }
    UnregisterPortDevice(EmulatorPort);
    Emulator->Stop();
}

void TestWindow::SelectEmulatorPort() {
    Main->ComboBoxPort->setCurrentIndex(EmulatorItem);
}

bool TestWindow::Connect(const QString& password) {
    Main->EditPassword->setText(password);
    SelectEmulatorPort();
    Main->BitBtnConnect->click();
    return Main->Connected;
}

bool TestWindow::ConnectFresh() {
    if (!Connect()) {
        return false;
    }
    ClearLog();
    ClearReceived();
    return true;
}

void TestWindow::ListFresh() {
    Main->BitBtnListClick();
    ClearReceived();
    ClearLog();
}

bool TestWindow::ConnectAndList() {
    if (!ConnectFresh()) {
        return false;
    }
    ListFresh();
    return true;
}

void TestWindow::LoadFile(const QString& path) {
    Main->ChooseOpenFile = [path] { return path; };
    Main->BitBtnOpen->click();
}

void TestWindow::SaveFile(const QString& path) {
    Main->ChooseSaveFile = [path] { return path; };
    Main->BitBtnSave->click();
}

void TestWindow::PlaceOnPC(const std::vector<std::pair<int, TalonPLUItem>>& articles) {
    for (const auto& [index, item] : articles) {
        Main->ArticlesPC[index] = item;
    }
    Main->FillGridPC();
}

bool TestWindow::Usable() const {
    return Main->isEnabled() && !Main->Busy() && !Progress->isVisible();
}

QStringList TestWindow::LogLines() const {
    const QVariant counted = Main->MemoLog->property(LogLineCountProperty);
    if (counted.isValid() && counted.toInt() == 0) {
        return {};
    }
    return Main->MemoLog->toPlainText().split(QLatin1Char('\n'));
}

void TestWindow::ClearLog() {
    Main->BitBtnClearLogClick();
}

std::vector<std::string> TestWindow::Frames() const {
    return Emulator->ReceivedFrames();
}

std::vector<std::string> TestWindow::Commands() const {
    return Emulator->ReceivedCommands();
}

void TestWindow::ClearReceived() {
    Emulator->ClearReceived();
}

int TestWindow::Rows(const QTableWidget* grid) {
    return GridRowCount(grid);
}

QString TestWindow::Cell(const QTableWidget* grid, int gridRow, int column) {
    return GridCell(grid, gridRow, column);
}

QString TestWindow::Row(const QTableWidget* grid, int gridRow) {
    QStringList cells;
    for (int column = 0; column < grid->columnCount(); ++column) {
        cells << GridCell(grid, gridRow, column);
    }
    return cells.join(QLatin1Char('|'));
}

QStringList TestWindow::DataRows(const QTableWidget* grid) {
    QStringList rows;
    for (int row = 1; row < GridRowCount(grid); ++row) {
        rows << Row(grid, row);
    }
    return rows;
}

struct ProgressTrace::Connection {
    QMetaObject::Connection Handle;
};

ProgressTrace::ProgressTrace(TProgressBox& box) : Link(std::make_unique<Connection>()) {
    QProgressBar* bar = box.ProgressBar;
    Link->Handle = QObject::connect(bar, &QProgressBar::valueChanged, [this, bar](int value) {
        if (value > 0) {
            Steps << QStringLiteral("%1/%2").arg(value).arg(bar->maximum());
        }
    });
}

ProgressTrace::~ProgressTrace() {
    QObject::disconnect(Link->Handle);
}

struct CapturedErrors::Saved {
    ErrorDisplay Display;
};

CapturedErrors::CapturedErrors() : Previous(std::make_unique<Saved>()) {
    Previous->Display = SetErrorDisplay([this](const QString& text) { Texts << text; });
}

CapturedErrors::~CapturedErrors() {
    SetErrorDisplay(Previous->Display);
}
