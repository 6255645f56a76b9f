#include "bench/history_rows.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTabWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "bench/cli_run.h"
#include "image/change_record.h"
#include "image/history_line.h"
#include "ui/main/form_main.h"
#include "ui/main/history_page.h"
#include "ui/progress/progress_box.h"

namespace {

const std::string Data = "/tmp/talon-bench-history-data";
const std::string Records = Data + "/talonsendplu/registers";
const std::string Workbook = "/tmp/talon-bench-nivelacija.xlsx";
constexpr int PageLines = 100000;
constexpr int PageTills = 4;
constexpr int DocumentChanges = 10000;
constexpr int Runs = 5;
constexpr int Locations = 2998;

double Now() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// A till's record of `lines` price changes over a year, a name change now and then.
void WriteRecord(const std::string& till, int lines) {
    std::ofstream file(HistoryPath(Records, till), std::ios::binary);
    file << HistoryHeading << '\n';
    for (int n = 0; n < lines; ++n) {
        const int day = n * 365 / lines;
        char time[32];
        std::snprintf(time, sizeof time, "2026-%02d-%02d %02d:%02d:%02d", day / 31 % 12 + 1,
                      day % 28 + 1, 8 + n % 12, n % 60, (n * 7) % 60);
        const int location = 2 + n % Locations;
        const int cents = 10000 + n % 5000;
        file << time << "\tizmene\t" << location << '\t' << 8600000000000LL + location << "\tMleko "
             << location << "\t" << cents / 100 << '.' << cents % 100 / 10 << "0\t"
             << cents / 100 + 1 << ".50\t" << (n % 50 == 0 ? "Naziv: Mleko -> Mleko 1l" : "")
             << '\n';
    }
}

void OpenPageRows(std::vector<BenchRow>& rows) {
    BenchRow open{"open Istorija over 100,000 record lines", "ms", {}, 1000};
    BenchRow filter{"Istorija: filter 100,000 lines by a typed text", "ms", {}, 100};
    for (int till = 0; till < PageTills; ++till) {
        WriteRecord("TEBENCH" + std::to_string(till), PageLines / PageTills);
    }
    for (int run = 0; run < Runs; ++run) {
        TFormMain form;
        TProgressBox box;
        form.SetProgressBox(&box);
        form.show();
        QCoreApplication::processEvents();
        double start = Now();
        form.PageControl->setCurrentWidget(form.TabHistory);
        QCoreApplication::processEvents(); // laid out and drawn
        open.Samples.push_back(1000 * (Now() - start));
        start = Now();
        form.TabHistory->EditHistoryText->setText(QStringLiteral("mleko 12"));
        QCoreApplication::processEvents();
        filter.Samples.push_back(1000 * (Now() - start));
    }
    rows.insert(rows.end(), {open, filter});
}

void DocumentRow(std::vector<BenchRow>& rows) {
    BenchRow document{"history -o of 10,000 price changes to .xlsx", "s", {}, 2};
    std::filesystem::remove_all(Records);
    std::filesystem::create_directories(Records);
    WriteRecord("TEBENCH", DocumentChanges);
    for (int run = 0; run < Runs; ++run) {
        const double start = Now();
        if (RunCliToEnd({"history", "--register", "TEBENCH", "-o", Workbook, "--quiet"}) != 0) {
            throw std::runtime_error("talonsendplu-cli history -o failed");
        }
        document.Samples.push_back(Now() - start);
    }
    rows.push_back(document);
}

} // namespace

void HistoryRows(std::vector<BenchRow>& rows) {
    std::filesystem::remove_all(Data);
    std::filesystem::create_directories(Records);
    setenv("XDG_DATA_HOME", Data.c_str(), 1);
    OpenPageRows(rows);
    DocumentRow(rows);
}
