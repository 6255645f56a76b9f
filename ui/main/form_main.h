#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "articles/article_table.h"
#include "serial/network_address.h"
#include "serial/port_settings.h"
#include "ui/main/port_list.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QWidget;
class QKeyEvent;
class QUrl;
class QCloseEvent;
class ECRError;
class ECRString;
class TalonECR;
class SerialComm;
class Reconnection;
class TProgressBox;
class TEditPLU;
class THistoryPage;
class TRegistersPage;
class TillList;
struct Till;
struct TillResult;
struct TillTarget;
class EmulatorProcess;
class ImageKeeper;
struct ListOutcome;

// The main window. Its handlers are public so that tests drive them directly; each
// concern lives in its own form_main_*.cpp file.
class TFormMain : public QMainWindow {
    Q_OBJECT

public:
    explicit TFormMain(QWidget* parent = nullptr);
    ~TFormMain() override;

    // --- start-up (form_main.cpp) ---
    void FormCreate();
    void SetProgressBox(TProgressBox* box); // form_main_progress.cpp
    void SetEditDialog(TEditPLU* dialog) { EditPLU = dialog; }

    // --- log (form_main_log.cpp) ---
    void Log(const QString& text);
    void Log(const ECRString& text);          // Windows-1251 bytes, shown as Unicode
    void LogError();                          // "Greska " code ": " register message
    void LogLinkError(const ECRError& error); // "Greska u komunikaciji: " link text
    void BitBtnClearLogClick();
    void UpdateControls();

    // --- progress (form_main_progress.cpp) ---
    // Begin blocks the window's controls (the window itself stays enabled, so the box's
    // "Prekini" can be pressed) and forgets any earlier stop request; End unblocks them.
    void BeginProgress(int min, int max);
    void StepProgress(int n);
    // Work on other threads: the bar at `done` of `total`, the events going on meanwhile.
    void ShowProgress(int done, int total);
    void EndProgress();
    // An operation runs: the controls take no input and the window does not close.
    bool Busy() const;
    // "Prekini" was pressed since the running operation's progress began.
    bool StopRequested() const { return StopAsked; }

    // --- connection (form_main_connection.cpp) ---
    void BitBtnConnectClick();
    // A network address, when given, is connected to instead of the port number.
    void Connect(int port, int speed, const QString& password,
                 const std::optional<NetworkAddress>& address = std::nullopt);
    // The port box's item was chosen by the user: "Mrezni port..." asks for an address.
    void ComboBoxPortActivated(int item);
    // The speed box is the converter's business for a raw network port.
    void UpdateSpeedBox();
    void BitBtnDisconnectClick();
    void Disconnect();
    void CheckBoxPrintClick();

    // --- register operations (form_main_send.cpp, form_main_list.cpp, form_main_status.cpp) ---
    void BitBtnSendClick();
    void BitBtnSendChangesClick(); // form_main_sync.cpp
    void BitBtnListClick();
    ListOutcome ListArticles(); // logs its summary, or the stop line when asked to stop
    void BitBtnEraseClick();
    void StringGridECRKeyUp(int key, Qt::KeyboardModifiers modifiers);
    void BitBtnEraseAllClick();
    void BitBtnStatusClick();

    // --- PC list and files (form_main_files.cpp, form_main_arrange.cpp) ---
    void BitBtnOpenClick();
    void BitBtnSaveClick();
    bool LoadArticleFile(const QString& path);
    bool SaveArticleFile(const QString& path);
    void BitBtnSortClick();
    void ArrangeByBarcode();
    void BitBtnExamineClick();

    // --- tables and grids (form_main_grids.cpp) ---
    void ClearArticlesPC();
    void ClearArticlesECR();
    void SetUpGrids();
    void FillGridPC();
    void FillGridECR();
    // The register grid shows exactly the register table: its present entries, and
    // hidden with its commands disabled when there is none.
    void ShowTableECR();
    // After a listing or an erasure that the link cut short: what is known, and a word
    // that the list is not the register's.
    void ShowPartialList();

    // Runs one event handler: what escapes it is shown by the application's error display,
    // and a window an aborted operation left busy is made usable again.
    void RunWindowHandler(const std::function<void()>& handler);

    // --- edit flow (form_main_edit.cpp) ---
    void StringGridECRDblClick();

    // --- record of changes (form_main_history.cpp) ---
    // The page "Istorija" anew from the records on disk; a record that cannot be read is
    // told in the log once, not at every look.
    void RefreshHistory();
    // Saves the nivelacija (or the record's text) of what the page's filters keep.
    void BitBtnNivelacijaClick();

    // --- saved tills (form_main_registers.cpp) ---
    // The page "Kase" anew from the tills file; a damaged line is told once, not at every look.
    void LoadRegisters();
    void ButtonAddRegisterClick();
    void ButtonEditRegisterClick();
    void ButtonRemoveRegisterClick();
    void ButtonCheckAllClick();
    void ButtonCheckNoneClick();
    void RegisterEnabledToggled(int row, bool enabled);
    // Every ticked till at once, each in its own row: its connection and article count;
    // the PC list's changes; the changes again, to the tills whose last sending failed.
    void ButtonStatusAllClick();
    void ButtonSendChangesAllClick();
    void ButtonRetryFailedClick();
    // The till's port, speed and password into the group "Talon", for the work on one till.
    void GridRegistersDblClick();
    // The PC list was loaded and is shown: something to send.
    bool PCListLoaded() const;
    // The page's buttons, and "Ucitaj", which a list for the saved tills needs no connection for.
    void UpdateRegisterControls();
    // --- the user guide (form_main_help.cpp) ---
    // F1: the guide in the system's browser, or a log line saying why not.
    void OpenUserGuide();

    // File choice, the modal edit and the questions are hooks so tests can answer them.
    std::function<QString()> ChooseOpenFile;
    std::function<QString()> ChooseSaveFile;
    std::function<QString()> ChooseNivelacijaFile;
    std::function<bool()> RunEditDialog;                      // true when the user confirmed
    std::function<bool(const QString& question)> AskQuestion; // true for "Da"
    std::function<QString()> AskNetworkAddress;               // empty when the user gave none
    // The till dialog: shows `till` (its name must differ from `taken`), true when the user
    // confirmed, `till` then as he left it.
    std::function<bool(Till& till, const QStringList& taken)> RunRegisterDialog;
    std::function<bool(const QUrl&)> OpenDocument; // false when nothing opened it
    // The folder the guide is looked for from: the program's own (tests point it elsewhere).
    QString ProgramFolder;
    // The folder of stable adapter names the port box reads (tests point it elsewhere).
    QString PortLinkFolder = QString::fromLatin1(StableLinkFolder);
    bool Confirm(const QString& question) const { return AskQuestion && AskQuestion(question); }

    // --- state, for the operations and the tests ---
    PortSettings SerialSettings;
    std::unique_ptr<SerialComm> Serial;
    std::unique_ptr<TalonECR> ECR;
    // A network link's: takes up a connection lost while an operation writes.
    std::unique_ptr<Reconnection> Reconnect;
    bool Connected = false;
    std::unique_ptr<ImageKeeper> Image;  // what the connected register holds
    std::unique_ptr<TillList> Registers; // the saved tills, as the file held them last
    bool ListIncomplete = false;         // the register grid holds what a cut-short operation left
    ArticleTable ArticlesPC;
    ArticleTable ArticlesECR;

    // --- controls, named as their objectName ---
    QGroupBox* GroupBoxSerial = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* ComboBoxSpeed = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* ComboBoxPort = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* EditPassword = nullptr;
    QPushButton* BitBtnConnect = nullptr;
    QPushButton* BitBtnDisconnect = nullptr;
    QCheckBox* CheckBoxPrint = nullptr;
    QCheckBox* CheckBoxVerify = nullptr; // PC page: "Posalji izmene" reads back what it wrote
    QGroupBox* GroupBoxInfo = nullptr;
    QPlainTextEdit* MemoLog = nullptr;
    QPushButton* BitBtnClearLog = nullptr;
    QPushButton* BitBtnStatus = nullptr;
    QTabWidget* PageControl = nullptr;
    QWidget* PC = nullptr;
    QPushButton* BitBtnOpen = nullptr;
    QPushButton* BitBtnSend = nullptr;
    QPushButton* BitBtnSendChanges = nullptr;
    QPushButton* BitBtnExamine = nullptr;
    QPushButton* BitBtnSort = nullptr;
    QTableWidget* StringGridPC = nullptr;
    QWidget* Talon = nullptr;
    QPushButton* BitBtnList = nullptr;
    QPushButton* BitBtnSave = nullptr;
    QPushButton* BitBtnErase = nullptr;
    QPushButton* BitBtnEraseAll = nullptr;
    QTableWidget* StringGridECR = nullptr;
    THistoryPage* TabHistory = nullptr;     // its controls are its own members
    TRegistersPage* TabRegisters = nullptr; // likewise
    QLabel* Image1 = nullptr;

    TProgressBox* ProgressBox = nullptr;
    TEditPLU* EditPLU = nullptr;

private:
    void BuildControls();
    void ConnectSignals();
    void ReleaseConnection();
    // Runs one register operation; a link failure ends it with the communication line,
    // the progress box closed and the window usable. False when the link failed.
    bool GuardLink(const std::function<void()>& operation);
    // Gives the keyboard focus back to the widget that had it when the progress began.
    void RestoreFocus();
    // Reads the tills file, changes what it holds and saves it; the page then shows what
    // the file holds, the change or, when it could not be saved, what was there.
    void ChangeRegisters(const std::function<void(TillList& tills)>& change);
    // The job on the ticked rows (only the failed ones, when asked), each row showing its
    // progress and result, one summary line per till in the log.
    enum class RegisterWork { Status, Sync };
    void RunOnRegisters(RegisterWork work, bool onlyFailed);
    std::vector<int> RegisterRowsToWork(bool onlyFailed) const;
    // Where the till's link goes; the window's emulator started for the emulator's port.
    TillTarget RegisterTarget(const Till& till);
    // A till's row, its hint and its summary line when its work has ended.
    void ShowRegisterResult(int row, const TillResult& result, const std::vector<ECRString>& lines,
                            bool sending);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    std::unique_ptr<EmulatorProcess> Emulator;
    QPointer<QWidget> FocusBeforeProgress;
    QString PortBeforeDialog;  // the item chosen before "Mrezni port...", for a cancel
    QStringList HistoryFaults; // the last told, so that a lasting fault is told once
    QStringList TillFaults;    // likewise for the tills file
    bool StopAsked = false;
};

extern TFormMain* FormMain;
