// Speed of the program against the line's physical limit and its local work on full
// tables. Run by scripts/bench in a Release build; nothing here runs in the tests.
#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

#include "articles/arrange.h"
#include "bench/bench_articles.h"
#include "bench/bench_table.h"
#include "bench/cli_rows.h"
#include "bench/history_rows.h"
#include "bench/network_rows.h"
#include "bench/sync_rows.h"
#include "bench/window_till_rows.h"
#include "cli/emulator_child.h"
#include "ecr/talon_ecr.h"
#include "serial/port_devices.h"
#include "ui/main/form_main.h"
#include "ui/progress/progress_box.h"

namespace {

constexpr int BenchPort = 9;
constexpr int FullList = 2998;
const std::string ArticleFile = "/tmp/talon-bench-articles.txt";
const std::string SaveFile = "/tmp/talon-bench-saved.txt";

double Now() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

double CpuNow() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double TimeOf(const std::function<void()>& work) {
    const double start = Now();
    work();
    return Now() - start;
}

// A main window connected to a fresh emulator process.
struct Session {
    explicit Session(const std::vector<std::string>& emulatorArgs, int baud = 9600)
        : Emulator(TALON_EMULATOR_BIN, emulatorArgs) {
        RegisterPortDevice(BenchPort, Emulator.DevicePath());
        Form.SetProgressBox(&Box);
        Form.Connect(BenchPort, baud, QStringLiteral("7351"));
        if (!Form.Connected)
            throw std::runtime_error("could not connect to the emulator");
    }
    void Load(const std::string& path) {
        Form.ChooseOpenFile = [path] { return QString::fromStdString(path); };
        Form.BitBtnOpenClick();
    }

    EmulatorChild Emulator;
    TFormMain Form;
    TProgressBox Box;
};

void PacedRow(std::vector<BenchRow>& rows, int baud) {
    BenchRow row{"send 300 + list 300 at " + std::to_string(baud) + ": time / line time",
                 "(ratio)",
                 {},
                 1.02};
    WriteArticleFile(ArticleFile, 300);
    for (int run = 0; run < 3; ++run) {
        Session session({"--baud", std::to_string(baud)}, baud);
        session.Load(ArticleFile);
        const long long before = session.Emulator.LineBytes();
        const double seconds = TimeOf([&] {
            session.Form.BitBtnSendClick();
            session.Form.BitBtnListClick();
        });
        const long long bytes = session.Emulator.LineBytes() - before;
        const double lineSeconds = bytes * 10.0 / baud;
        row.Samples.push_back(seconds / lineSeconds);
        std::fprintf(stderr, "  %d bit/s run %d: %.3f s for %lld bytes (line %.3f s)\n", baud,
                     run + 1, seconds, bytes, lineSeconds);
    }
    rows.push_back(row);
}

void UnpacedRows(std::vector<BenchRow>& rows) {
    BenchRow sendRate{"send 2998 unpaced: articles per second", "art/s", {}, 0, false};
    BenchRow sendCpu{"send 2998 unpaced: program CPU per article", "ms", {}, 0.3};
    BenchRow listRate{"list 2998 unpaced: articles per second", "art/s", {}, 0, false};
    BenchRow listCpu{"list 2998 unpaced: program CPU per article", "ms", {}, 0.3};
    WriteArticleFile(ArticleFile, FullList);
    for (int run = 0; run < 5; ++run) {
        Session session({"--limit", "3000"});
        session.Load(ArticleFile);
        double cpu = CpuNow();
        double seconds = TimeOf([&] { session.Form.BitBtnSendClick(); });
        sendCpu.Samples.push_back((CpuNow() - cpu) * 1000.0 / FullList);
        sendRate.Samples.push_back(FullList / seconds);
        cpu = CpuNow();
        seconds = TimeOf([&] { session.Form.BitBtnListClick(); });
        listCpu.Samples.push_back((CpuNow() - cpu) * 1000.0 / FullList);
        listRate.Samples.push_back(FullList / seconds);
    }
    rows.insert(rows.end(), {sendRate, sendCpu, listRate, listCpu});
}

void LocalRows(std::vector<BenchRow>& rows) {
    BenchRow load{"load 2998-line file and fill the grid", "ms", {}, 100};
    BenchRow save{"save 2998 register articles", "ms", {}, 50};
    BenchRow arrange{"arrange 2998 articles by barcode", "ms", {}, 20};
    BenchRow examine{"examine 2998 articles, 150 duplicates, log incl.", "ms", {}, 100};
    WriteArticleFile(ArticleFile, FullList, FullList / 150);
    TFormMain form;
    TProgressBox box;
    form.SetProgressBox(&box);
    form.ChooseOpenFile = [] { return QString::fromStdString(ArticleFile); };
    ArticleTable shuffled;
    FillShuffledBarcodes(shuffled, FullList);
    FillRegisterTable(form.ArticlesECR, FullList);
    for (int run = 0; run < 5; ++run) {
        load.Samples.push_back(1000 * TimeOf([&] { form.BitBtnOpenClick(); }));
        save.Samples.push_back(
            1000 * TimeOf([&] { form.SaveArticleFile(QString::fromStdString(SaveFile)); }));
        examine.Samples.push_back(1000 * TimeOf([&] { form.BitBtnExamineClick(); }));
        ArticleTable table = shuffled;
        arrange.Samples.push_back(1000 * TimeOf([&] { ArrangeByBarcode(table, 2400); }));
        form.BitBtnClearLogClick();
    }
    rows.insert(rows.end(), {load, save, arrange, examine});
}

// Marked functions for callgrind's --toggle-collect: only their instructions count.
__attribute__((noinline)) void BenchOneExchange(TalonECR& ecr, const TalonPLUItem& item) {
    ecr.WriteArticle(item, FirstLoadedLocation);
}

__attribute__((noinline)) void BenchOneExamination(TFormMain& form) {
    form.BitBtnExamineClick();
}

int RunOneExchange() {
    Session session({});
    TalonPLUItem item;
    item.FromFileText("\"Mleko 1l\"\t3\t89.99\t1\t2\t0\t0\t0\t0\t0\t0\t0", '\t');
    BenchOneExchange(*session.Form.ECR, item);
    return 0;
}

int RunOneExamination() {
    WriteArticleFile(ArticleFile, FullList, FullList / 150);
    TFormMain form;
    TProgressBox box;
    form.SetProgressBox(&box);
    form.LoadArticleFile(QString::fromStdString(ArticleFile));
    BenchOneExamination(form);
    return 0;
}

double CallgrindCount(const std::string& self, const std::string& mode, const char* marker) {
    const std::string out = "/tmp/talon-bench-callgrind." + mode;
    const std::string command = "valgrind --tool=callgrind --callgrind-out-file=" + out +
                                " --collect-atstart=no '--toggle-collect=*" + marker + "*' " +
                                self + " --" + mode + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
        return -1;
    std::ifstream file(out);
    std::string line;
    double total = -1;
    while (std::getline(file, line))
        if (line.rfind("totals:", 0) == 0 || line.rfind("summary:", 0) == 0)
            total = std::atof(line.c_str() + line.find(':') + 1);
    return total;
}

void CallgrindRows(std::vector<BenchRow>& rows, const std::string& self) {
    rows.push_back({"instructions: one article exchange (callgrind)",
                    "Ir",
                    {CallgrindCount(self, "one-exchange", "BenchOneExchange")},
                    0});
    rows.push_back({"instructions: one examination of 2998 (callgrind)",
                    "Ir",
                    {CallgrindCount(self, "one-examination", "BenchOneExamination")},
                    0});
}

void PrintHeading() {
    const std::time_t now = std::time(nullptr);
    char date[64];
    std::strftime(date, sizeof date, "%Y-%m-%d %H:%M", std::localtime(&now));
    std::printf("TalonSendPLU benchmark, %s, %u cores\n\n", date,
                std::thread::hardware_concurrency());
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    setlocale(LC_NUMERIC, "C");
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--one-exchange")
        return RunOneExchange();
    if (mode == "--one-examination")
        return RunOneExamination();
    PrintHeading();
    std::vector<BenchRow> rows;
    const bool quick = mode == "--quick"; // the local rows only
    if (mode == "--cli" || mode == "--sync" || mode == "--resume" || mode == "--history" ||
        mode == "--tills" || mode == "--network") {
        (mode == "--cli"       ? CommandLineRows
         : mode == "--sync"    ? SyncRows
         : mode == "--resume"  ? ResumeRows
         : mode == "--tills"   ? WindowTillsRow
         : mode == "--network" ? NetworkRows
                               : HistoryRows)(rows);
        PrintBenchTable(rows);
        return 0;
    }
    if (mode == "--paced") {
        PacedRow(rows, 9600);
        PacedRow(rows, 19200);
        PrintBenchTable(rows);
        return 0;
    }
    if (!quick) {
        CommandLineRows(rows);
        NetworkRows(rows);
        SyncRows(rows);
        WindowTillsRow(rows);
        PacedRow(rows, 9600);
        PacedRow(rows, 19200);
        UnpacedRows(rows);
    }
    LocalRows(rows);
    HistoryRows(rows);
    if (!quick)
        CallgrindRows(rows, argv[0]);
    PrintBenchTable(rows);
    return 0;
}
