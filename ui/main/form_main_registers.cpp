// The page "Kase": the saved tills, and the work on all of them at once.
#include "ui/main/form_main.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>

#include <atomic>

#include "operations/remember_tills.h"
#include "operations/till_jobs.h"
#include "tills/till_list.h"
#include "ui/common/text_convert.h"
#include "ui/main/emulator_process.h"
#include "ui/main/image_folder.h"
#include "ui/main/port_list.h"
#include "ui/main/registers_model.h"
#include "ui/main/registers_page.h"
#include "ui/main/speed_box.h"
#include "ui/main/tills_in_background.h"
#include "ui/main/window_sinks.h"
#include "ui/progress/progress_box.h"

namespace {

const char* const RemoveQuestion = "Ukloniti kasu \"%1\" iz spiska?";
const char* const WorkingText = "U toku";
const char* const EmulatorFailedText = "Emulator nije moguce pokrenuti: ";
const char* const WorkTimeFormat = "dd.MM. HH:mm";

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

// A log that keeps its lines, to be told only when they differ from those told before.
class KeptLines : public LogSink {
public:
    void Line(const ECRString& text) override { Lines << ToQString(text); }
    QStringList Lines;
};

// "09.12. 19:40 OK": short enough to be seen whole at the window's starting size.
QString LastWorkText(const TillResult& result) {
    const char* outcome = result.Ok()                      ? "OK"
                          : result.End == TillEnd::Stopped ? "prekinuto"
                                                           : "greska";
    const auto finished =
        std::chrono::duration_cast<std::chrono::milliseconds>(result.Finished.time_since_epoch());
    return QDateTime::fromMSecsSinceEpoch(finished.count())
               .toString(QLatin1String(WorkTimeFormat)) +
           QLatin1Char(' ') + QLatin1String(outcome);
}

QStringList NamesBut(const std::vector<Till>& tills, const std::string& kept) {
    QStringList names;
    for (const Till& till : tills) {
        if (till.Name != kept) {
            names << Utf8(till.Name);
        }
    }
    return names;
}

void SetEveryEnabled(TillList& tills, bool enabled) {
    const std::vector<Till> saved = tills.Tills();
    for (Till till : saved) {
        till.Enabled = enabled;
        tills.Put(till);
    }
}

} // namespace

void TFormMain::LoadRegisters() {
    Registers = std::make_unique<TillList>();
    KeptLines faults;
    Registers->Load(faults);
    if (faults.Lines != TillFaults) {
        for (const QString& fault : faults.Lines) {
            Log(fault);
        }
    }
    TillFaults = faults.Lines;
    TabRegisters->Model().Show(Registers->Tills());
}

void TFormMain::ChangeRegisters(const std::function<void(TillList& tills)>& change) {
    LoadRegisters(); // the command line may have changed the file meanwhile
    change(*Registers);
    WindowLog log(*this);
    if (!Registers->Save(log)) {
        LoadRegisters();
        return;
    }
    TabRegisters->Model().Show(Registers->Tills());
}

void TFormMain::ButtonAddRegisterClick() {
    Till till;
    const std::vector<Till>& saved = Registers->Tills();
    if (!RunRegisterDialog || !RunRegisterDialog(till, NamesBut(saved, std::string()))) {
        return;
    }
    ChangeRegisters([&till](TillList& tills) { tills.Put(till); });
}

void TFormMain::ButtonEditRegisterClick() {
    const int row = TabRegisters->SelectedRow();
    if (row < 0) {
        return;
    }
    const Till before = TabRegisters->Model().Row(row).Saved;
    Till till = before;
    if (!RunRegisterDialog || !RunRegisterDialog(till, NamesBut(Registers->Tills(), before.Name))) {
        return;
    }
    ChangeRegisters([&before, &till](TillList& tills) {
        tills.Remove(before.Name); // a till renamed is saved under its new name only
        tills.Put(till);
    });
}

void TFormMain::ButtonRemoveRegisterClick() {
    const int row = TabRegisters->SelectedRow();
    if (row < 0) {
        return;
    }
    const std::string name = TabRegisters->Model().Row(row).Saved.Name;
    if (!Confirm(QString::fromLatin1(RemoveQuestion).arg(Utf8(name)))) {
        return;
    }
    ChangeRegisters([&name](TillList& tills) { tills.Remove(name); });
}

void TFormMain::ButtonCheckAllClick() {
    ChangeRegisters([](TillList& tills) { SetEveryEnabled(tills, true); });
}

void TFormMain::ButtonCheckNoneClick() {
    ChangeRegisters([](TillList& tills) { SetEveryEnabled(tills, false); });
}

void TFormMain::RegisterEnabledToggled(int row, bool enabled) {
    Till till = TabRegisters->Model().Row(row).Saved;
    till.Enabled = enabled;
    ChangeRegisters([&till](TillList& tills) {
        if (tills.Find(till.Name) != nullptr) { // not removed by another program meanwhile
            tills.Put(till);
        }
    });
}

void TFormMain::ButtonStatusAllClick() {
    RunOnRegisters(RegisterWork::Status, false);
}

void TFormMain::ButtonSendChangesAllClick() {
    RunOnRegisters(RegisterWork::Sync, false);
}

void TFormMain::ButtonRetryFailedClick() {
    RunOnRegisters(RegisterWork::Sync, true);
}

// The ticked rows (only those whose last sending failed, when asked).
std::vector<int> TFormMain::RegisterRowsToWork(bool onlyFailed) const {
    const RegistersModel& model = TabRegisters->Model();
    std::vector<int> rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        const RegisterRow& till = model.Row(row);
        if (till.Saved.Enabled && (!onlyFailed || till.Failed)) {
            rows.push_back(row);
        }
    }
    return rows;
}

TillTarget TFormMain::RegisterTarget(const Till& till) {
    TillTarget target = TillTargetOf(till, CheckBoxPrint->isChecked());
    if (till.Port != EmulatorPort) {
        return target;
    }
    if (!Emulator) {
        Emulator = std::make_unique<EmulatorProcess>();
    }
    QString failure;
    if (!Emulator->Ensure(target.Number, failure)) {
        target.Failure = (QLatin1String(EmulatorFailedText) + failure).toStdString();
        return target;
    }
    target.Address = Emulator->Address(); // on Windows it serves a local TCP port
    return target;
}

void TFormMain::ShowRegisterResult(int row, const TillResult& result,
                                   const std::vector<ECRString>& lines, bool sending) {
    RegistersModel& model = TabRegisters->Model();
    model.SetState(row, ToQString(result.Text));
    // A status says nothing of whether the till got the last changes.
    model.SetLastWork(row, LastWorkText(result), sending ? !result.Ok() : model.Row(row).Failed);
    QStringList details;
    for (const ECRString& line : lines) {
        details << ToQString(line);
    }
    model.SetDetails(row, details);
    Log(QLatin1Char('[') + Utf8(model.Row(row).Saved.Name) + QLatin1String("] ") +
        ToQString(result.Text));
}

void TFormMain::RunOnRegisters(RegisterWork work, bool onlyFailed) {
    const bool sending = work == RegisterWork::Sync;
    const std::vector<int> rows = RegisterRowsToWork(onlyFailed);
    if (rows.empty() || (sending && !PCListLoaded())) {
        return;
    }
    RegistersModel& model = TabRegisters->Model();
    std::vector<TillTarget> targets;
    std::vector<std::string> names;
    for (int row : rows) {
        targets.push_back(RegisterTarget(model.Row(row).Saved));
        names.push_back(model.Row(row).Saved.Name);
        model.SetState(row, QLatin1String(WorkingText));
    }
    TillRunView view;
    view.Progress = [&model, &rows](std::size_t till, const QString& progress) {
        model.SetState(rows[till], progress);
    };
    view.Overall = [this](int done, int total) { ShowProgress(done, total); };
    view.Finished = [this, &rows, sending](std::size_t till, const TillResult& result,
                                           const std::vector<ECRString>& lines) {
        ShowRegisterResult(rows[till], result, lines, sending);
    };
    std::atomic<bool> stop{false};
    const QObject stopping; // the connection goes with it, however the run ends
    if (ProgressBox) {
        connect(ProgressBox, &TProgressBox::StopPressed, &stopping, [&stop] { stop = true; });
    }
    BeginProgress(0, static_cast<int>(rows.size()));
    const std::vector<TillResult> results = RunTillsInBackground(
        targets, sending ? SyncJob(ArticlesPC) : StatusJob(), WindowImageFolder(), stop, view);
    EndProgress();
    WindowLog log(*this);
    RememberFiscalModules(names, results, log, Registers->Path());
    LoadRegisters(); // with the fiscal modules just learned
}

void TFormMain::GridRegistersDblClick() {
    const int row = TabRegisters->SelectedRow();
    if (row < 0 || Connected) {
        return; // the group "Talon" serves the connection that is open
    }
    const Till& till = TabRegisters->Model().Row(row).Saved;
    SelectSavedPort(ComboBoxPort, Utf8(till.Port));
    ChooseSpeed(ComboBoxSpeed, till.Speed);
    EditPassword->setText(Utf8(till.Password));
}

bool TFormMain::PCListLoaded() const {
    return !StringGridPC->isHidden();
}

void TFormMain::UpdateRegisterControls() {
    TabRegisters->UpdateButtons(PCListLoaded());
    if (!Connected) {
        BitBtnOpen->setEnabled(TabRegisters->Model().rowCount() > 0);
    }
}
