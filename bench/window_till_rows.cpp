#include "bench/window_till_rows.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include <QTableView>

#include "bench/bench_articles.h"
#include "cli/emulator_child.h"
#include "text/log_sink.h"
#include "tills/till_list.h"
#include "ui/main/form_main.h"
#include "ui/main/registers_model.h"
#include "ui/main/registers_page.h"
#include "ui/progress/progress_box.h"

namespace {

constexpr int Baud = 9600;
constexpr int Articles = 300;
constexpr int AtOnce = 4;
constexpr int Alone = AtOnce; // the row of the till that works alone, after the others
constexpr int Runs = 3;
const std::string ArticleFile = "/tmp/talon-bench-window-tills.txt";
const std::string TillsData = "/tmp/talon-bench-window-tills"; // the tills and their images

double Now() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

class Unheard : public LogSink {
public:
    void Line(const ECRString&) override {}
};

// Four tills ticked and a fifth not, each on a paced emulator of its own.
std::vector<std::unique_ptr<EmulatorChild>> SaveTills() {
    std::vector<std::unique_ptr<EmulatorChild>> emulators;
    TillList tills;
    for (int i = 0; i <= Alone; ++i) {
        std::vector<std::string> args = OwnFiscalModule(i + 1);
        args.insert(args.end(), {"--baud", std::to_string(Baud)});
        emulators.push_back(std::make_unique<EmulatorChild>(TALON_EMULATOR_BIN, args));
        Till till;
        till.Name = "Kasa " + std::to_string(i + 1);
        till.Port = emulators.back()->DevicePath();
        till.Enabled = i != Alone;
        tills.Put(till);
    }
    Unheard unheard;
    if (!tills.Save(unheard)) {
        throw std::runtime_error("the tills file cannot be saved");
    }
    return emulators;
}

// Every till listed once through the group "Talon", so that its image can be trusted.
void ListEach(TFormMain& form) {
    for (int row = 0; row <= Alone; ++row) {
        form.TabRegisters->GridRegisters->selectRow(row);
        form.GridRegistersDblClick();
        form.BitBtnConnectClick();
        if (!form.Connected) {
            throw std::runtime_error("could not connect to a till's emulator");
        }
        form.BitBtnListClick();
        form.BitBtnDisconnectClick();
    }
}

double TimedSend(TFormMain& form, int firstRow, int rows) {
    const double start = Now();
    form.ButtonSendChangesAllClick();
    const double seconds = Now() - start;
    const QString expected = QStringLiteral("Upisano %1, isto 0").arg(Articles);
    for (int row = firstRow; row < firstRow + rows; ++row) {
        if (form.TabRegisters->Model().Row(row).State != expected) {
            throw std::runtime_error("a till was not brought up to date: " +
                                     form.TabRegisters->Model().Row(row).State.toStdString());
        }
    }
    return seconds;
}

} // namespace

void WindowTillsRow(std::vector<BenchRow>& rows) {
    BenchRow row{"window sync 300 to 4 tills at once / to one alone", "(ratio)", {}, 1.05};
    WriteArticleFile(ArticleFile, Articles);
    const char* before = std::getenv("XDG_DATA_HOME");
    const std::string kept = before != nullptr ? before : "";
    setenv("XDG_DATA_HOME", TillsData.c_str(), 1);
    for (int run = 0; run < Runs; ++run) {
        std::filesystem::remove_all(TillsData);
        const auto emulators = SaveTills();
        TFormMain form;
        TProgressBox box;
        form.SetProgressBox(&box);
        form.LoadRegisters();
        ListEach(form);
        form.ChooseOpenFile = [] { return QString::fromStdString(ArticleFile); };
        form.BitBtnOpenClick();
        const double all = TimedSend(form, 0, AtOnce);
        form.ButtonCheckNoneClick();
        form.RegisterEnabledToggled(Alone, true);
        const double one = TimedSend(form, Alone, 1);
        row.Samples.push_back(all / one);
        std::fprintf(stderr, "  window tills run %d: 4 at once %.3f s, one alone %.3f s\n", run + 1,
                     all, one);
    }
    if (before != nullptr) {
        setenv("XDG_DATA_HOME", kept.c_str(), 1);
    } else {
        unsetenv("XDG_DATA_HOME");
    }
    rows.push_back(row);
}
