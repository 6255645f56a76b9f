// The record of changes, written by the operations on a register and printed by history.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>

#include "emulator/talon_emulator.h"
#include "image/history_line.h"
#include "tests/cli/cli_files.h"
#include "tests/cli/cli_process.h"
#include "tests/support/workbook_cells.h"

namespace {

const char* const Registers = "talonsendplu/registers";
const char* const Record = "talonsendplu/registers/TE000001.history.tsv";
constexpr int NivelacijaSheet = 1;
constexpr int ChangesSheet = 2;
const std::string Heading = std::string(HistoryHeading) + "\n";
constexpr int Refusal = 20;

std::vector<std::vector<std::string>> Rows(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> columns;
        std::size_t start = 0;
        for (std::size_t tab = line.find('\t'); tab != std::string::npos;
             tab = line.find('\t', start)) {
            columns.push_back(line.substr(start, tab - start));
            start = tab + 1;
        }
        columns.push_back(line.substr(start));
        rows.push_back(columns);
    }
    return rows;
}

// The columns after the time, which must be the local time to the second.
std::vector<std::string> Change(const std::vector<std::string>& row) {
    static const std::regex Time(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)");
    EXPECT_TRUE(!row.empty() && std::regex_match(row.front(), Time));
    return std::vector<std::string>(row.begin() + 1, row.end());
}

class CliHistory : public ::testing::Test {
protected:
    void SetUp() override { Register.Start(); }
    CliResult Run(std::vector<std::string> args, bool onRegister = true) {
        if (onRegister) {
            args.insert(args.end(), {"--port", Register.DevicePath()});
        }
        return RunCli(args, {"XDG_DATA_HOME=" + Data.Dir()});
    }
    std::string RecordText() const { return ReadBytes(Data.File(Record)); }
    std::string Prices(const std::vector<long>& prices) { return WriteArticleFile(Files, prices); }

    TalonEmulator Register;
    TempDir Data;
    TempDir Files;
};

TEST_F(CliHistory, ASyncRecordsTheChangesTheRegisterAccepted) {
    std::vector<long> prices = {1000, 1100, 1200, 1300, 1400, 1500};
    ASSERT_EQ(Run({"send", Prices(prices)}).Status, 0);
    // The first send: no image yet, so what the locations held is not known.
    const auto sent = Rows(RecordText());
    ASSERT_EQ(sent.size(), 7u);
    EXPECT_EQ(Change(sent[1]),
              (std::vector<std::string>{"posalji", "2", "1001", "Artikal 1", "?", "10.00", ""}));
    // The same list again changes nothing the register holds.
    const std::string first = RecordText();
    ASSERT_EQ(Run({"send", Prices(prices)}).Status, 0);
    EXPECT_EQ(RecordText(), first);

    prices[1] = 1111; // location 3
    prices[2] = 1222; // location 4
    prices[3] = 1333; // location 5: refused
    prices[4] = 1444; // location 6
    Register.RefuseWrites(5, Refusal);
    const CliResult sync = Run({"sync", Prices(prices)});
    EXPECT_EQ(sync.Status, 1) << sync.Err;
    const std::string after = RecordText();
    ASSERT_EQ(after.compare(0, first.size(), first), 0) << "the record was rewritten";
    const auto synced = Rows(after.substr(first.size()));
    ASSERT_EQ(synced.size(), 3u) << after;
    EXPECT_EQ(Change(synced[0]),
              (std::vector<std::string>{"izmene", "3", "1002", "Artikal 2", "11.00", "11.11", ""}));
    EXPECT_EQ(Change(synced[1]),
              (std::vector<std::string>{"izmene", "4", "1003", "Artikal 3", "12.00", "12.22", ""}));
    EXPECT_EQ(Change(synced[2]),
              (std::vector<std::string>{"izmene", "6", "1005", "Artikal 5", "14.00", "14.44", ""}));

    // Once the register takes it, the refused price is recorded too.
    Register.Resume();
    const std::string beforeRetry = RecordText();
    ASSERT_EQ(Run({"sync", Prices(prices)}).Status, 0);
    const auto retried = Rows(RecordText().substr(beforeRetry.size()));
    ASSERT_EQ(retried.size(), 1u);
    EXPECT_EQ(Change(retried[0]),
              (std::vector<std::string>{"izmene", "5", "1004", "Artikal 4", "13.00", "13.33", ""}));
}

TEST_F(CliHistory, AnEraseIsRecordedAndHistoryPrintsTheRecord) {
    ASSERT_EQ(Run({"send", Prices({500, 600, 700})}).Status, 0);
    const std::string first = RecordText();
    ASSERT_EQ(Run({"erase", "3"}).Status, 0);
    const auto erased = Rows(RecordText().substr(first.size()));
    ASSERT_EQ(erased.size(), 1u);
    EXPECT_EQ(Change(erased[0]),
              (std::vector<std::string>{"obrisi", "3", "1002", "Artikal 2", "6.00", "", ""}));
    const CliResult byPort = Run({"history"});
    EXPECT_EQ(byPort.Status, 0) << byPort.Err;
    EXPECT_EQ(byPort.Out, RecordText());
    const CliResult byName = Run({"history", "--register", "TE000001"}, false);
    EXPECT_EQ(byName.Status, 0) << byName.Err;
    EXPECT_EQ(byName.Out, RecordText());
}

// The sync goes on and the image is kept; the log says how many lines were lost.
TEST_F(CliHistory, ARecordThatCannotBeWrittenIsToldNotFatal) {
    std::vector<long> prices = {500, 600, 700};
    ASSERT_EQ(Run({"send", Prices(prices)}).Status, 0);
    std::filesystem::remove(PathOf(Data.File(Record)));
    std::filesystem::create_directory(PathOf(Data.File(Record)));
    prices[0] = 555;
    prices[2] = 777;
    const CliResult sync = Run({"sync", Prices(prices)});
    EXPECT_EQ(sync.Status, 0) << sync.Err;
    EXPECT_NE(sync.Err.find(std::string("Greska: u istoriju izmena ") + Data.File(Record) +
                            " nije moguce upisati (izostalo redova: 2)"),
              std::string::npos)
        << sync.Err;
    EXPECT_EQ(std::lround(Register.Articles().at(4).GetPrice() * 100), 777);
    EXPECT_NE(Run({"sync", Prices(prices)}).Err.find("upisano 0"), std::string::npos);
}

// Records written by hand: three days of one register, one day of another whose fiscal
// module id is Cyrillic.
class CliHistoryFiles : public CliHistory {
protected:
    void SetUp() override {
        std::filesystem::create_directories(PathOf(Data.File(Registers)));
        WriteBytes(Data.File(Record), Heading +
                                          "2025-12-31 18:00:00\tizmene\t2\t1\tA\t1.00\t2.00\t\n" +
                                          "2026-01-01 08:00:00\tizmene\t3\t2\tB\t1.00\t3.00\t\n" +
                                          "2026-02-03 12:00:00\tobrisi\t4\t3\tC\t5.00\t\t\n");
        WriteBytes(Data.File(std::string(Registers) + "/____-1.history.tsv"),
                   Heading + "2026-01-15 09:30:00\tizmena\t9\t9\tD\t4.00\t4.50\t\n");
    }
};

TEST_F(CliHistoryFiles, SinceKeepsTheLinesFromThatDay) {
    const CliResult result =
        Run({"history", "--register", "TE000001", "--since", "2026-01-01"}, false);
    EXPECT_EQ(result.Status, 0) << result.Err;
    EXPECT_EQ(result.Out, Heading + "2026-01-01 08:00:00\tizmene\t3\t2\tB\t1.00\t3.00\t\n" +
                              "2026-02-03 12:00:00\tobrisi\t4\t3\tC\t5.00\t\t\n");
}

TEST_F(CliHistoryFiles, ARegisterNamedAsItsModuleIdIsTyped) {
    const CliResult result = Run({"history", "--register", "Каса-1"}, false);
    EXPECT_EQ(result.Status, 0) << result.Err;
    EXPECT_EQ(result.Out, Heading + "2026-01-15 09:30:00\tizmena\t9\t9\tD\t4.00\t4.50\t\n");
}

TEST_F(CliHistoryFiles, WithoutARegisterEveryRecordIsPrintedWithItsName) {
    const CliResult result = Run({"history", "--since", "2026-01-10"}, false);
    EXPECT_EQ(result.Status, 0) << result.Err;
    EXPECT_EQ(result.Out, "Kasa\t" + Heading +
                              "TE000001\t2026-02-03 12:00:00\tobrisi\t4\t3\tC\t5.00\t\t\n" +
                              "____-1\t2026-01-15 09:30:00\tizmena\t9\t9\tD\t4.00\t4.50\t\n");
}

// A folder of records that cannot be searched (here a link to itself, which stops even the
// superuser) is told as such, never as a missing record.
TEST_F(CliHistory, AFolderThatCannotBeReadIsNotToldAsMissing) {
    const std::filesystem::path folder = PathOf(Data.File(Registers));
    std::filesystem::create_directories(folder.parent_path());
    std::filesystem::create_directory_symlink(folder, folder);
    const CliResult one = Run({"history", "--register", "TE9"}, false);
    EXPECT_EQ(one.Status, 2);
    EXPECT_NE(one.Err.find("Greska: fajl " + Data.File(Registers) +
                           "/TE9.history.tsv nije moguce procitati"),
              std::string::npos)
        << one.Err;
    const CliResult all = Run({"history"}, false);
    EXPECT_EQ(all.Status, 2);
    EXPECT_NE(all.Err.find("Greska: fasciklu " + Data.File(Registers) + " nije moguce procitati"),
              std::string::npos)
        << all.Err;
}

TEST_F(CliHistoryFiles, AMissingRecordIsToldWithItsPath) {
    const CliResult result = Run({"history", "--register", "TE9"}, false);
    EXPECT_EQ(result.Status, 2);
    EXPECT_EQ(result.Out, "");
    EXPECT_NE(result.Err.find("Nema istorije izmena za kasu TE9: fajl " + Data.File(Registers) +
                              "/TE9.history.tsv ne postoji"),
              std::string::npos)
        << result.Err;
}

// The cells of one row of a sheet, columns A onwards, "" where a cell is empty; a formula
// as "=formula".
std::vector<std::string> SheetRow(const std::map<std::string, WrittenCell>& cells, int row,
                                  char lastColumn) {
    std::vector<std::string> shown;
    for (char column = 'A'; column <= lastColumn; ++column) {
        const auto cell = cells.find(column + std::to_string(row));
        shown.push_back(cell == cells.end()            ? ""
                        : cell->second.Formula.empty() ? cell->second.Value
                                                       : "=" + cell->second.Formula);
    }
    return shown;
}

bool RowEmpty(const std::map<std::string, WrittenCell>& cells, int row) {
    const std::vector<std::string> shown = SheetRow(cells, row, 'Z');
    return std::all_of(shown.begin(), shown.end(), [](const std::string& c) { return c.empty(); });
}

// A sync with two new prices, one refused and one new article: the nivelacija holds the two
// accepted changes; the first send, whose old prices are not known, is only in "Izmene".
TEST_F(CliHistory, TheNivelacijaHoldsTheAcceptedPriceChanges) {
    ASSERT_EQ(Run({"send", Prices({1000, 1100, 1200, 1300})}).Status, 0);
    Register.RefuseWrites(4, Refusal);
    EXPECT_EQ(Run({"sync", Prices({1000, 1111, 1222, 1333, 1400})}).Status, 1);
    const std::string workbook = Files.File("nivelacija.xlsx");
    const CliResult made = Run({"history", "--register", "TE000001", "-o", workbook}, false);
    EXPECT_EQ(made.Status, 0) << made.Err;
    EXPECT_NE(made.Err.find("Nivelacija: 2 izmena cene u fajlu " + workbook), std::string::npos)
        << made.Err;
    EXPECT_NE(made.Err.find("4 izmena cene bez poznate stare cene nije u nivelaciji; vidi list "
                            "Izmene"),
              std::string::npos)
        << made.Err;

    const auto changes = WorkbookSheetCells(workbook, ChangesSheet);
    for (int row = 2; row <= 8; ++row) {
        EXPECT_FALSE(RowEmpty(changes, row)) << row;
    }
    EXPECT_TRUE(RowEmpty(changes, 9));
    EXPECT_EQ(SheetRow(changes, 8, 'I'),
              (std::vector<std::string>{"TE000001", changes.at("B8").Value, "izmene", "6", "1005",
                                        "Artikal 5", "", "14", ""}));
    const std::string day = changes.at("B8").Value.substr(0, 10);

    const auto sheet = WorkbookSheetCells(workbook, NivelacijaSheet);
    EXPECT_EQ(sheet.at("A1").Value, "Nivelacija cena");
    EXPECT_EQ(sheet.at("A2").Value, "od " + day + " do " + day);
    EXPECT_EQ(sheet.at("A3").Value, "Kasa: TE000001");
    EXPECT_EQ(
        SheetRow(sheet, 6, 'N'),
        (std::vector<std::string>{"1", sheet.at("B6").Value, "TE000001", "3", "1002", "Artikal 2",
                                  "2", "", "11", "11.11", "=J6-I6", "=H6*I6", "=H6*J6", "=M6-L6"}));
    EXPECT_EQ(
        SheetRow(sheet, 7, 'N'),
        (std::vector<std::string>{"2", sheet.at("B7").Value, "TE000001", "5", "1004", "Artikal 4",
                                  "2", "", "13", "13.33", "=J7-I7", "=H7*I7", "=H7*J7", "=M7-L7"}));
    EXPECT_EQ(SheetRow(sheet, 8, 'N'),
              (std::vector<std::string>{"Ukupno", "", "", "", "", "", "", "", "", "", "",
                                        "=SUM(L6:L7)", "=SUM(M6:M7)", "=SUM(N6:N7)"}));
    EXPECT_TRUE(RowEmpty(sheet, 9));
}

TEST_F(CliHistoryFiles, SinceAndUntilBoundTheDocument) {
    const std::string workbook = Files.File("januar.xlsx");
    const CliResult made = Run({"history", "--register", "TE000001", "--since", "2026-01-01",
                                "--until", "2026-01-31", "-o", workbook},
                               false);
    EXPECT_EQ(made.Status, 0) << made.Err;
    const auto sheet = WorkbookSheetCells(workbook, NivelacijaSheet);
    EXPECT_EQ(sheet.at("A2").Value, "od 2026-01-01 do 2026-01-31");
    EXPECT_EQ(SheetRow(sheet, 6, 'J'),
              (std::vector<std::string>{"1", "2026-01-01 08:00:00", "TE000001", "3", "2", "B", "",
                                        "", "1", "3"}));
    EXPECT_EQ(sheet.at("A7").Value, "Ukupno");
    const auto changes = WorkbookSheetCells(workbook, ChangesSheet);
    EXPECT_EQ(changes.at("B2").Value, "2026-01-01 08:00:00");
    EXPECT_TRUE(RowEmpty(changes, 3));

    const std::string text = Files.File("do-nove-godine.txt");
    EXPECT_EQ(Run({"history", "--until", "2026-01-01", "-o", text}, false).Status, 0);
    EXPECT_EQ(ReadBytes(text),
              "Kasa\t" + Heading +
                  "TE000001\t2025-12-31 18:00:00\tizmene\t2\t1\tA\t1.00\t2.00\t\n" +
                  "TE000001\t2026-01-01 08:00:00\tizmene\t3\t2\tB\t1.00\t3.00\t\n");
    const CliResult printed =
        Run({"history", "--register", "TE000001", "--until", "2025-12-31"}, false);
    EXPECT_EQ(printed.Out, Heading + "2025-12-31 18:00:00\tizmene\t2\t1\tA\t1.00\t2.00\t\n");
}

} // namespace
