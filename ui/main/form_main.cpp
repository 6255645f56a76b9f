#include "ui/main/form_main.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QFileDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>

#include "ecr/talon_ecr.h"
#include "image/image_keeper.h"
#include "operations/reconnection.h"
#include "serial/comm.h"
#include "tills/till_list.h"
#include "ui/common/error_display.h"
#include "ui/common/question_box.h"
#include "ui/edit/edit_plu.h"
#include "ui/main/emulator_process.h"
#include "ui/main/file_filters.h"
#include "ui/main/filter_suffix.h"
#include "ui/main/history_page.h"
#include "ui/main/network_port_dialog.h"
#include "ui/main/page_controls.h"
#include "ui/main/port_combo_box.h"
#include "ui/main/port_list.h"
#include "ui/main/register_dialog.h"
#include "ui/main/registers_model.h"
#include "ui/main/registers_page.h"
#include "ui/main/speed_box.h"
#include "ui/progress/progress_box.h"

TFormMain* FormMain = nullptr;

namespace {

const char* const DesignCaption = "TalonSendPLU ";
const char* const VersionText = "1.02.0002";
const char* const BuildText = " [release]";
const char* const WelcomeLine = "Dobrodosli!";
const char* const FileSuffix = "txt";
const char* const NivelacijaSuffix = "xlsx";
const char* const OpenTitle = "Open";
const char* const SaveTitle = "Save As";
const char* const OpenDialogName = "OpenDialog";
const char* const SaveDialogName = "SaveDialog";
const char* const NivelacijaDialogName = "NivelacijaDialog";
const char* const FontFamily = "Tahoma";
constexpr int FontPixels = 11;
constexpr int WindowWidth = 705;
constexpr int WindowHeight = 535;
// The window grows from its design size; the grids and the log take the room.
constexpr int Margin = 8;
constexpr int GridTop = 16;
constexpr int GridMinimumWidth = 320;
constexpr int GridMinimumHeight = 120;
constexpr int GroupHeight = 150;
constexpr int SerialGroupWidth = 281;
constexpr int InfoTop = 20;
constexpr int SerialLeft = 12;
constexpr int SerialTop = 20;
constexpr int SerialRowGap = 8;
constexpr int EntryWidth = 110;
constexpr int EntryHeight = 22;
constexpr int TopRowStretch = 1;
constexpr int PagesStretch = 2;
constexpr int ImageWidth = 343;
constexpr int ImageHeight = 71;
constexpr int ButtonGap = 5;

QString Text(const char* latin) {
    return QString::fromLatin1(latin);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption) {
    auto* label = new QLabel(Text(caption), parent);
    label->setObjectName(Text(name));
    return label;
}

// A column of buttons on a page: each entry is a button, or null for a separator line.
struct ButtonEntry {
    QPushButton** Target;
    const char* Name;
    const char* Caption;
    const char* Hint;
    QStyle::StandardPixmap Picture;
};

// The column of buttons on the left of a page, its grid on the right taking the room;
// the column is returned for what goes between its buttons.
QBoxLayout* BuildPage(QWidget* page, std::initializer_list<ButtonEntry> column,
                      QTableWidget* grid) {
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(ButtonGap);
    for (const ButtonEntry& entry : column) {
        if (entry.Target == nullptr) {
            buttons->addWidget(MakeSeparator(page));
            continue;
        }
        *entry.Target = MakeButton(page, entry.Name, entry.Caption, entry.Hint, entry.Picture);
        buttons->addWidget(*entry.Target);
    }
    buttons->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(Margin, GridTop, Margin, Margin);
    layout->setSpacing(Margin);
    layout->addLayout(buttons);
    layout->addWidget(grid, 1);
    layout->addStretch(); // while the grid is hidden the buttons keep their column's width
    return buttons;
}

const ButtonEntry Separator{nullptr, nullptr, nullptr, nullptr, QStyle::SP_CustomBase};

QTableWidget* MakeGrid(QWidget* page, const char* name) {
    auto* grid = new QTableWidget(page);
    grid->setObjectName(Text(name));
    grid->setMinimumSize(GridMinimumWidth, GridMinimumHeight);
    return grid;
}

QWidget* ConnectionEntry(QWidget* entry, const char* name, const char* hint) {
    entry->setObjectName(Text(name));
    entry->setToolTip(Text(hint));
    // Port names can be long; the box keeps its width and its list shows them whole.
    entry->setFixedWidth(EntryWidth);
    entry->setMinimumHeight(EntryHeight);
    return entry;
}

// Labels and entries in one column, the check box under them, "Otvori" and "Zatvori" in a
// column to their right; each column as wide as its widest caption needs.
void ArrangeConnectionGroup(TFormMain& f) {
    auto* layout = new QGridLayout(f.GroupBoxSerial);
    layout->setContentsMargins(SerialLeft, SerialTop, Margin + 2, Margin + 2);
    layout->setVerticalSpacing(SerialRowGap);
    layout->addWidget(f.Label1, 0, 0);
    layout->addWidget(f.ComboBoxSpeed, 0, 1);
    layout->addWidget(f.Label2, 1, 0);
    layout->addWidget(f.ComboBoxPort, 1, 1);
    layout->addWidget(f.Label3, 2, 0);
    layout->addWidget(f.EditPassword, 2, 1);
    layout->addWidget(f.CheckBoxPrint, 3, 0, 1, 2);
    layout->addWidget(f.BitBtnConnect, 0, 2);
    layout->addWidget(f.BitBtnDisconnect, 1, 2);
    layout->setRowStretch(4, 1);
    layout->setColumnStretch(1, 1);
}

void BuildConnectionGroup(TFormMain& f, QWidget* parent) {
    f.GroupBoxSerial = new QGroupBox(Text("Talon"), parent);
    f.GroupBoxSerial->setObjectName(Text("GroupBoxSerial"));
    // Its design size, or more when the captions need it; the log takes the rest.
    f.GroupBoxSerial->setMinimumSize(SerialGroupWidth, GroupHeight);
    f.GroupBoxSerial->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    QWidget* g = f.GroupBoxSerial;

    f.Label1 = MakeLabel(g, "Label1", "Brzina");
    f.ComboBoxSpeed = new QComboBox(g);
    ConnectionEntry(f.ComboBoxSpeed, "ComboBoxSpeed", ""); // its hint follows the port
    FillSpeedBox(f.ComboBoxSpeed);

    f.Label2 = MakeLabel(g, "Label2", "Port");
    auto* ports = new PortComboBox(g);
    f.ComboBoxPort = ports;
    ConnectionEntry(f.ComboBoxPort, "ComboBoxPort",
                    "COM port PC na koji je prikljucena Talon kasa");
    FillPortBox(f.ComboBoxPort, SystemPorts(f.PortLinkFolder));
    // Adapters come and go while the program runs; each look at the list reads it anew.
    ports->BeforeOpening = [&f] { FillPortBox(f.ComboBoxPort, SystemPorts(f.PortLinkFolder)); };

    f.Label3 = MakeLabel(g, "Label3", "Lozinka");
    f.EditPassword = new QLineEdit(Text("7351"), g);
    ConnectionEntry(f.EditPassword, "EditPassword", "\"SEF\" lozinka na Talon kasi");
    f.EditPassword->setEchoMode(QLineEdit::Password);
    // Every character shows as "*", whatever the style's own password character.
    f.EditPassword->setStyleSheet(Text("lineedit-password-character: 42;"));

    f.CheckBoxPrint = new QCheckBox(Text("Stampanje na kasi"), g);
    f.CheckBoxPrint->setObjectName(Text("CheckBoxPrint"));
    f.CheckBoxPrint->setLayoutDirection(Qt::RightToLeft); // caption left of the box
    f.CheckBoxPrint->setChecked(false);
    f.CheckBoxPrint->setToolTip(Text("Ukljucuje / iskljucuje stampanje rezultata na Talon kasi"));

    f.BitBtnConnect = MakeButton(g, "BitBtnConnect", "Otvori", "Otvara konekciju prema Talon kasi",
                                 QStyle::SP_DialogYesButton);
    f.BitBtnDisconnect = MakeButton(g, "BitBtnDisconnect", "Zatvori",
                                    "Zatvara konekciju sa Talon kasom", QStyle::SP_DialogNoButton);
    ArrangeConnectionGroup(f);
}

void BuildInfoGroup(TFormMain& f, QWidget* parent) {
    f.GroupBoxInfo = new QGroupBox(Text("Informacije"), parent);
    f.GroupBoxInfo->setObjectName(Text("GroupBoxInfo"));
    f.GroupBoxInfo->setMinimumHeight(GroupHeight);
    QWidget* g = f.GroupBoxInfo;

    f.MemoLog = new QPlainTextEdit(g);
    f.MemoLog->setObjectName(Text("MemoLog"));
    f.MemoLog->setLineWrapMode(QPlainTextEdit::NoWrap);
    f.MemoLog->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    f.MemoLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    f.MemoLog->setReadOnly(true);
    f.MemoLog->setPlainText(Text(WelcomeLine));

    f.BitBtnClearLog = MakeButton(g, "BitBtnClearLog", "Obrisi", "Brise sve ispisane informacije",
                                  QStyle::SP_DialogResetButton);
    f.BitBtnStatus = MakeButton(g, "BitBtnStatus", "Status", "Prikazuje status Talon kase",
                                QStyle::SP_MessageBoxInformation);
    // The log takes the room; the two buttons stay at the top right.
    auto* layout = new QGridLayout(g);
    layout->setContentsMargins(Margin + 2, InfoTop, Margin, Margin + 2);
    layout->setSpacing(Margin);
    layout->addWidget(f.MemoLog, 0, 0, 3, 1);
    layout->addWidget(f.BitBtnClearLog, 0, 1);
    layout->addWidget(f.BitBtnStatus, 1, 1);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(0, 1);
}

void BuildPCPage(TFormMain& f) {
    f.PC = new QWidget;
    f.PC->setObjectName(Text("PC"));
    f.StringGridPC = MakeGrid(f.PC, "StringGridPC");
    QBoxLayout* const buttons = BuildPage(
        f.PC,
        {{&f.BitBtnOpen, "BitBtnOpen", "Ucitaj", "Otvara unicode txt fajl sa artiklima",
          QStyle::SP_DialogOpenButton},
         {&f.BitBtnSend, "BitBtnSend", "Posalji", "Salje artikle u Talon kasu",
          QStyle::SP_ArrowRight},
         {&f.BitBtnSendChanges, "BitBtnSendChanges", "Posalji izmene",
          "Salje samo artikle koji se razlikuju od onoga sto je u kasi",
          QStyle::SP_MediaSeekForward},
         Separator,
         {&f.BitBtnExamine, "BitBtnExamine", "Analiziraj",
          "Trazi artikle sa istim nazivom ili barkodom", QStyle::SP_FileDialogContentsView},
         {&f.BitBtnSort, "BitBtnSort", "Rasporedi",
          "Rasporedjuje artikle na osnovu njihovih barkodova (PLU sa barkodom 100 se smesta na "
          "memorijsku lokaciju 100)",
          QStyle::SP_FileDialogListView},
         Separator},
        f.StringGridPC);
    // Under "Posalji izmene", which it goes with.
    f.CheckBoxVerify = new QCheckBox(Text("Proveri posle slanja"), f.PC);
    f.CheckBoxVerify->setObjectName(Text("CheckBoxVerify"));
    f.CheckBoxVerify->setToolTip(
        Text("Posle slanja izmena cita iz kase svaki upisan artikal i poredi ga"));
    buttons->insertWidget(buttons->indexOf(f.BitBtnSendChanges) + 1, f.CheckBoxVerify);
    f.PageControl->addTab(f.PC, Text("PC"));
}

void BuildTalonPage(TFormMain& f) {
    f.Talon = new QWidget;
    f.Talon->setObjectName(Text("Talon"));
    f.StringGridECR = MakeGrid(f.Talon, "StringGridECR");
    BuildPage(
        f.Talon,
        {{&f.BitBtnList, "BitBtnList", "Prikazi",
          "Ucitava artikle iz Talon kase i prikazuje ih u programu", QStyle::SP_BrowserReload},
         {&f.BitBtnSave, "BitBtnSave", "Snimi", "Snima primljene artikle u unicode tekstualni fajl",
          QStyle::SP_DialogSaveButton},
         Separator,
         {&f.BitBtnErase, "BitBtnErase", "Obrisi", "Brise oznacene artikle iz Talon kase",
          QStyle::SP_DialogDiscardButton},
         {&f.BitBtnEraseAll, "BitBtnEraseAll", "Obrisi sve",
          "Brise sve artikle u Talon kasi, osim artikla na memorijskoj lokaciji 1",
          QStyle::SP_TrashIcon},
         Separator},
        f.StringGridECR);
    f.PageControl->addTab(f.Talon, Text("Talon"));
}

// A decorative banner; it carries no function.
QPixmap Banner() {
    QPixmap picture(ImageWidth, ImageHeight);
    QPainter painter(&picture);
    QLinearGradient shade(0, 0, ImageWidth, ImageHeight);
    shade.setColorAt(0, QColor(0x1f, 0x4e, 0x8c));
    shade.setColorAt(1, QColor(0x6f, 0xa8, 0xdc));
    painter.fillRect(picture.rect(), shade);
    painter.setPen(Qt::white);
    QFont big(Text(FontFamily));
    big.setPixelSize(26);
    big.setBold(true);
    painter.setFont(big);
    painter.drawText(picture.rect().adjusted(0, 0, 0, -18), Qt::AlignCenter, Text("TalonSendPLU"));
    QFont small(Text(FontFamily));
    small.setPixelSize(FontPixels);
    painter.setFont(small);
    painter.drawText(picture.rect().adjusted(0, 40, 0, 0), Qt::AlignCenter,
                     Text("PLU baza Talon fiskalne kase"));
    return picture;
}

void BuildImage(TFormMain& f, QWidget* parent) {
    f.Image1 = new QLabel(parent);
    f.Image1->setObjectName(Text("Image1"));
    f.Image1->setPixmap(Banner());
    f.Image1->setFixedSize(ImageWidth, ImageHeight);
}

QString ChooseFile(QWidget* parent, const char* name, const char* title, const char* filters,
                   const char* suffix, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, Text(title));
    dialog.setObjectName(Text(name));
    dialog.setNameFilter(Text(filters));
    dialog.setDefaultSuffix(Text(suffix));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    if (mode == QFileDialog::AcceptSave) {
        // A name typed without extension gets that of the file type picked, which
        // decides how the file is written.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString& filter) {
                             const QString suffix = FilterSuffix(filter);
                             if (!suffix.isEmpty()) {
                                 dialog.setDefaultSuffix(suffix);
                             }
                         });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    return dialog.selectedFiles().first();
}

} // namespace

TFormMain::TFormMain(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint) {
    setObjectName(Text("FormMain"));
    setWindowTitle(Text(DesignCaption));
    QFont font(Text(FontFamily));
    font.setPixelSize(FontPixels);
    setFont(font);
    BuildControls();
    resize(WindowWidth, WindowHeight);
    ConnectSignals();
    ChooseOpenFile = [this] {
        return ChooseFile(this, OpenDialogName, OpenTitle, OpenFileFilters, FileSuffix,
                          QFileDialog::AcceptOpen);
    };
    ChooseSaveFile = [this] {
        return ChooseFile(this, SaveDialogName, SaveTitle, SaveFileFilter, FileSuffix,
                          QFileDialog::AcceptSave);
    };
    ChooseNivelacijaFile = [this] {
        return ChooseFile(this, NivelacijaDialogName, SaveTitle, NivelacijaFileFilter,
                          NivelacijaSuffix, QFileDialog::AcceptSave);
    };
    RunEditDialog = [this] { return EditPLU != nullptr && EditPLU->exec() == QDialog::Accepted; };
    AskQuestion = [this](const QString& question) { return AskYesNo(this, question); };
    AskNetworkAddress = [this] {
        NetworkPortDialog dialog(this);
        return dialog.exec() == QDialog::Accepted ? dialog.Address() : QString();
    };
    RunRegisterDialog = [this](Till& till, const QStringList& taken) {
        RegisterDialog dialog(this, PortLinkFolder);
        dialog.SetTill(till, taken);
        if (dialog.exec() != QDialog::Accepted) {
            return false;
        }
        till = dialog.Result();
        return true;
    };
    OpenDocument = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    ProgramFolder = QCoreApplication::applicationDirPath();
    if (const QScreen* desktop = QGuiApplication::primaryScreen()) {
        move(desktop->availableGeometry().center() - rect().center());
    }
    FormCreate();
}

TFormMain::~TFormMain() {
    // The register object refers to the link, so it goes first.
    ECR.reset();
    Serial.reset();
}

void TFormMain::FormCreate() {
    setWindowTitle(windowTitle() + Text(VersionText));
    setWindowTitle(windowTitle() + Text(BuildText));
    Connected = false;
    SetUpGrids();
    LoadRegisters();
    UpdateRegisterControls();
}

void TFormMain::BuildControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);
    BuildConnectionGroup(*this, client);
    BuildInfoGroup(*this, client);
    PageControl = new QTabWidget(client);
    PageControl->setObjectName(Text("PageControl"));
    BuildPCPage(*this);
    BuildTalonPage(*this);
    TabRegisters = new TRegistersPage;
    PageControl->addTab(TabRegisters, Text("Kase"));
    TabHistory = new THistoryPage;
    PageControl->addTab(TabHistory, Text("Istorija"));
    PageControl->setCurrentIndex(0);
    BuildImage(*this, client);

    auto* top = new QHBoxLayout;
    top->setSpacing(Margin);
    top->addWidget(GroupBoxSerial, 0, Qt::AlignTop);
    top->addWidget(GroupBoxInfo, 1);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(Margin, Margin, Margin, Margin);
    layout->addLayout(top, TopRowStretch);
    layout->addWidget(PageControl, PagesStretch);
    layout->addWidget(Image1, 0, Qt::AlignHCenter);
    // The design state is the not-connected one.
    UpdateControls();
}

void TFormMain::ConnectSignals() {
    using Handler = void (TFormMain::*)();
    const auto onClick = [this](QAbstractButton* control, Handler handler) {
        connect(control, &QAbstractButton::clicked, this,
                [this, handler] { RunWindowHandler([this, handler] { (this->*handler)(); }); });
    };
    onClick(BitBtnConnect, &TFormMain::BitBtnConnectClick);
    onClick(BitBtnDisconnect, &TFormMain::BitBtnDisconnectClick);
    onClick(CheckBoxPrint, &TFormMain::CheckBoxPrintClick);
    onClick(BitBtnStatus, &TFormMain::BitBtnStatusClick);
    onClick(BitBtnClearLog, &TFormMain::BitBtnClearLogClick);
    onClick(BitBtnOpen, &TFormMain::BitBtnOpenClick);
    onClick(BitBtnSend, &TFormMain::BitBtnSendClick);
    onClick(BitBtnSendChanges, &TFormMain::BitBtnSendChangesClick);
    onClick(BitBtnExamine, &TFormMain::BitBtnExamineClick);
    onClick(BitBtnSort, &TFormMain::BitBtnSortClick);
    onClick(BitBtnList, &TFormMain::BitBtnListClick);
    onClick(BitBtnSave, &TFormMain::BitBtnSaveClick);
    onClick(BitBtnErase, &TFormMain::BitBtnEraseClick);
    onClick(BitBtnEraseAll, &TFormMain::BitBtnEraseAllClick);
    connect(ComboBoxPort, &QComboBox::currentIndexChanged, this, [this](int item) {
        if (!IsNetworkDialogItem(ComboBoxPort, item)) {
            PortBeforeDialog = ItemIdentity(ComboBoxPort, item);
        }
        UpdateSpeedBox();
    });
    connect(ComboBoxPort, &QComboBox::activated, this,
            [this](int item) { RunWindowHandler([this, item] { ComboBoxPortActivated(item); }); });
    onClick(TabHistory->BitBtnNivelacija, &TFormMain::BitBtnNivelacijaClick);
    onClick(TabRegisters->ButtonAddRegister, &TFormMain::ButtonAddRegisterClick);
    onClick(TabRegisters->ButtonEditRegister, &TFormMain::ButtonEditRegisterClick);
    onClick(TabRegisters->ButtonRemoveRegister, &TFormMain::ButtonRemoveRegisterClick);
    onClick(TabRegisters->ButtonCheckAll, &TFormMain::ButtonCheckAllClick);
    onClick(TabRegisters->ButtonCheckNone, &TFormMain::ButtonCheckNoneClick);
    onClick(TabRegisters->ButtonStatusAll, &TFormMain::ButtonStatusAllClick);
    onClick(TabRegisters->ButtonSendChangesAll, &TFormMain::ButtonSendChangesAllClick);
    onClick(TabRegisters->ButtonRetryFailed, &TFormMain::ButtonRetryFailedClick);
    connect(TabRegisters->GridRegisters, &QAbstractItemView::doubleClicked, this,
            [this] { RunWindowHandler([this] { GridRegistersDblClick(); }); });
    // Queued: saving shows the list anew, which must not happen inside the grid's own click.
    connect(
        &TabRegisters->Model(), &RegistersModel::EnabledToggled, this,
        [this](int row, bool enabled) {
            RunWindowHandler([this, row, enabled] { RegisterEnabledToggled(row, enabled); });
        },
        Qt::QueuedConnection);
    // The records grow with every operation that writes, and other programs write them too;
    // the command line changes the saved tills as well.
    connect(PageControl, &QTabWidget::currentChanged, this, [this](int page) {
        if (PageControl->widget(page) == TabHistory) {
            RefreshHistory();
        } else if (PageControl->widget(page) == TabRegisters) {
            RunWindowHandler([this] { LoadRegisters(); });
        }
    });
    StringGridECR->installEventFilter(this);
    StringGridECR->viewport()->installEventFilter(this);
    // Not through RunWindowHandler: F1 may come while an operation runs, and must leave it be.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setObjectName(QStringLiteral("ShortcutUserGuide"));
    connect(help, &QShortcut::activated, this, &TFormMain::OpenUserGuide);
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == StringGridECR && event->type() == QEvent::HideToParent) {
        // The list commands act on the grid's rows; a hidden grid has none to act on, and
        // whatever hides it (a new listing, a connect, a disconnect) disables them.
        for (QWidget* command : {BitBtnSave, BitBtnErase, BitBtnEraseAll}) {
            command->setEnabled(false);
        }
    } else if (watched == StringGridECR && event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Held keys repeat as release-press pairs; only the real release counts.
        if (!key->isAutoRepeat()) {
            const int code = key->key();
            const Qt::KeyboardModifiers modifiers = key->modifiers();
            RunWindowHandler([this, code, modifiers] { StringGridECRKeyUp(code, modifiers); });
        }
    } else if (watched == StringGridECR->viewport() &&
               event->type() == QEvent::MouseButtonDblClick) {
        RunWindowHandler([this] { StringGridECRDblClick(); });
    }
    return QMainWindow::eventFilter(watched, event);
}
