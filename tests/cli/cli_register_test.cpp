// The command line against emulated registers on pseudo-terminals.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <thread>

#include "articles/article_file.h"
#include "emulator/talon_emulator.h"
#include "tests/cli/cli_files.h"
#include "tests/cli/cli_process.h"
#include "tests/support/zip_entries.h"

namespace {

const char* const LoggedIn = "*** Prijavljivanje - OK ***";
const char* const ConnectFailed = "Greska u otvaranju konekcije!";
const char* const LinkFailed = "Greska u komunikaciji: ";

int Count(const std::vector<std::string>& commands, const std::string& prefix) {
    int n = 0;
    for (const std::string& command : commands) {
        n += command.rfind(prefix, 0) == 0 ? 1 : 0;
    }
    return n;
}

class CliOnRegister : public ::testing::Test {
protected:
    void SetUp() override { Register.Start(); }
    std::vector<std::string> On(std::vector<std::string> args) {
        args.insert(args.end(), {"--port", Register.DevicePath()});
        return args;
    }
    std::string NameAt(int location) {
        const auto articles = Register.Articles();
        const auto found = articles.find(location);
        return found == articles.end() ? "" : found->second.GetDescription().Text();
    }

    TalonEmulator Register;
    TempDir Dir;
};

TEST_F(CliOnRegister, SendWritesEveryArticleOfTheFile) {
    const CliResult result = RunCli(On({"send", WriteArticleFile(Dir, 5)}));
    EXPECT_EQ(result.Status, 0) << result.Err;
    EXPECT_NE(result.Err.find(LoggedIn), std::string::npos);
    EXPECT_EQ(Register.Articles().size(), 5u);
    EXPECT_EQ(NameAt(2), "Artikal 1");
    EXPECT_EQ(NameAt(6), "Artikal 5");
}

TEST_F(CliOnRegister, SendReadsAWorkbookWithItsBarcodesWhole) {
    const CliResult result = RunCli(On({"send", TALON_SAMPLES_DIR "/cenovnik-libreoffice.xlsx"}));
    EXPECT_EQ(result.Status, 0) << result.Err;
    EXPECT_NE(result.Err.find("Red 9: neispravna cena \"2026-12-08\""), std::string::npos)
        << result.Err;
    const auto articles = Register.Articles();
    EXPECT_EQ(articles.size(), 7u);
    EXPECT_EQ(NameAt(6), "Kafa 200g");
    ASSERT_EQ(articles.count(6), 1u);
    EXPECT_STREQ(articles.at(6).GetCode().Text(), "8600041234567");
}

TEST_F(CliOnRegister, StatusAsLinesAndAsJson) {
    Register.SetArticle(4, Article("Hleb", "11"));
    const CliResult lines = RunCli(On({"status"}));
    EXPECT_EQ(lines.Status, 0) << lines.Err;
    EXPECT_EQ(std::count(lines.Out.begin(), lines.Out.end(), '\n'), 16);
    EXPECT_NE(lines.Out.find("\nArtikala: 1\n"), std::string::npos) << lines.Out;
    const CliResult json = RunCli(On({"status", "--json"}));
    EXPECT_EQ(json.Out.front(), '{');
    EXPECT_NE(json.Out.find("\"Articles\":1,"), std::string::npos) << json.Out;
    EXPECT_NE(json.Out.find("\"Version\":\"TALON EMULATOR 1.0\""), std::string::npos);
}

TEST_F(CliOnRegister, ListWritesTheFileAsSaveDoesOrUtf8ToStandardOutput) {
    Register.SetArticle(3, Article("\xD5\xEB\xE5\xE1", "8600001")); // "Хлеб" in Windows-1251
    Register.SetArticle(7, Article("Mleko", "8600002"));
    const std::string path = Dir.File("listed.txt");
    ASSERT_EQ(RunCli(On({"list", "-o", path})).Status, 0);
    ArticleTable table;
    ASSERT_EQ(LoadArticles(path, table).Taken, 2);
    EXPECT_STREQ(table[2].GetCode().Text(), "8600001");
    const CliResult out = RunCli(On({"list", "-o", "-"}));
    EXPECT_EQ(out.Status, 0);
    EXPECT_EQ(out.Out.rfind("Naziv\tBarkod\tCena\t", 0), 0u) << out.Out;
    EXPECT_NE(out.Out.find("\"\xD0\xA5\xD0\xBB\xD0\xB5\xD0\xB1\"\t8600001\t12.00"),
              std::string::npos);
}

TEST_F(CliOnRegister, ListToAnXlsxNameWritesAWorkbook) {
    Register.SetArticle(3, Article("\xD5\xEB\xE5\xE1", "0100")); // "Хлеб" in Windows-1251
    Register.SetArticle(7, Article("Mleko", "8600041234567"));
    const std::string path = Dir.File("списак.XLSX");
    const CliResult result = RunCli(On({"list", "-o", path}));
    ASSERT_EQ(result.Status, 0) << result.Err;
    EXPECT_TRUE(result.Out.empty());
    std::string strings;
    ASSERT_TRUE(ReadZipEntry(path, "xl/sharedStrings.xml", strings));
    // Names in Unicode, barcodes as text: the leading zero and every digit stay.
    for (const char* text : {"<t>\xD0\xA5\xD0\xBB\xD0\xB5\xD0\xB1</t>", "<t>0100</t>",
                             "<t>8600041234567</t>", "<t>Mleko</t>"}) {
        EXPECT_NE(strings.find(text), std::string::npos) << text << " not in " << strings;
    }
    std::string sheet;
    ASSERT_TRUE(ReadZipEntry(path, "xl/worksheets/sheet1.xml", sheet));
    EXPECT_NE(sheet.find("<c r=\"C2\" s=\"2\"><v>12</v></c>"), std::string::npos) << sheet;
}

TEST_F(CliOnRegister, ListToAnUnwritableXlsxIsTold) {
    Register.SetArticle(3, Article("Mleko", "8600002"));
    const std::string path = Dir.File("nema/listed.xlsx");
    const CliResult result = RunCli(On({"list", "-o", path}));
    EXPECT_EQ(result.Status, 2);
    EXPECT_NE(result.Err.find("Greska: fajl " + path + " nije moguce snimiti"), std::string::npos)
        << result.Err;
}

TEST_F(CliOnRegister, EraseByNumberAndAllButLocationOne) {
    for (int location : {1, 5, 9, 12}) {
        Register.SetArticle(location, Article("A" + std::to_string(location), "1"));
    }
    EXPECT_EQ(RunCli(On({"erase", "9"})).Status, 0);
    EXPECT_EQ(Register.Articles().count(9), 0u);
    EXPECT_EQ(RunCli(On({"erase", "--all"})).Status, 0);
    ASSERT_EQ(Register.Articles().size(), 1u);
    EXPECT_EQ(NameAt(1), "A1");
}

struct FailureCase {
    const char* Name;
    std::function<void(TalonEmulator&)> Fault;
    std::vector<std::string> Args; // "FILE" stands for a file of ten articles
    std::vector<std::string> Environment;
    int Status;
    const char* InLog;
    bool NothingSent;
};

class CliFailures : public CliOnRegister, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(CliFailures, ExitStatusAndLogSayWhatHappened) {
    const FailureCase& c = GetParam();
    std::vector<std::string> args;
    for (const std::string& arg : c.Args) {
        args.push_back(arg == "FILE" ? WriteArticleFile(Dir, 10) : arg);
    }
    c.Fault(Register);
    const CliResult result = RunCli(On(args), c.Environment);
    EXPECT_EQ(result.Status, c.Status) << result.Err;
    EXPECT_NE(result.Err.find(c.InLog), std::string::npos) << result.Err;
    if (c.NothingSent) {
        EXPECT_TRUE(Register.ReceivedFrames().empty());
    }
}

const auto NoFault = [](TalonEmulator&) {};

INSTANTIATE_TEST_SUITE_P(
    Outcomes, CliFailures,
    ::testing::Values(
        FailureCase{"Refusal",
                    [](TalonEmulator& r) { r.RefuseWrites(4, 20); },
                    {"send", "FILE"},
                    {},
                    1,
                    "Artikal 3\nGreska 20: ",
                    false},
        FailureCase{
            "WrongPassword", NoFault, {"status"}, {"TALON_PASSWORD=1111"}, 1, ConnectFailed, false},
        FailureCase{"SilentRegister",
                    [](TalonEmulator& r) { r.GoSilentAfter(0); },
                    {"status"},
                    {},
                    3,
                    ConnectFailed,
                    false},
        FailureCase{"LinkCutMidSend",
                    [](TalonEmulator& r) { r.GoSilentAfter(12); },
                    {"send", "FILE"},
                    {},
                    4,
                    LinkFailed,
                    false},
        FailureCase{"BadUsage", NoFault, {"send"}, {}, 2, "--help", true},
        FailureCase{"MissingFile",
                    NoFault,
                    {"send", "/nonexistent/a.txt"},
                    {},
                    2,
                    "Greska: fajl /nonexistent/a.txt nije moguce ucitati",
                    true},
        FailureCase{"UnreadablePasswordFile",
                    NoFault,
                    {"status", "--password-file", "/nonexistent"},
                    {},
                    2,
                    "/nonexistent",
                    true}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(CliOnRegister, TwoRegistersAtOnceOneFailingDoesNotStopTheOther) {
    TalonEmulator silent;
    silent.Start();
    silent.GoSilentAfter(0);
    const std::string file = WriteArticleFile(Dir, 4);
    const CliResult result =
        RunCli({"send", file, "--port", Register.DevicePath(), "--port", silent.DevicePath()});
    EXPECT_EQ(result.Status, 3);
    EXPECT_EQ(Register.Articles().size(), 4u);
    EXPECT_NE(result.Err.find("[" + Register.DevicePath() + "] " + LoggedIn), std::string::npos);
    EXPECT_NE(result.Err.find("[" + silent.DevicePath() + "] " + ConnectFailed), std::string::npos)
        << result.Err;
}

TEST(CliOnTwoRegisters, SendWritesBoth) {
    EmulatorOptions another;
    another.FiscalModule = "TE000002"; // a register of its own image: not held by the first
    TalonEmulator first;
    TalonEmulator second(another);
    first.Start();
    second.Start();
    TempDir dir;
    const CliResult result = RunCli({"send", WriteArticleFile(dir, 6), "--port", first.DevicePath(),
                                     "--port", second.DevicePath()});
    EXPECT_EQ(result.Status, 0) << result.Err;
    EXPECT_EQ(first.Articles().size(), 6u);
    EXPECT_EQ(second.Articles().size(), 6u);
}

TEST(CliOnTwoRegisters, TwoEmulatorsOfOneCommandLineHaveImagesOfTheirOwn) {
    TempDir dir;
    const CliResult result =
        RunCli({"send", WriteArticleFile(dir, 3), "--port", "emulator", "--port", "emulator"},
               {"XDG_DATA_HOME=" + dir.Dir()});
    EXPECT_EQ(result.Status, 0) << result.Err;
    for (const char* image : {"TE000001.txt", "TE000002.txt"}) {
        EXPECT_TRUE(std::filesystem::exists(dir.Dir() + "/talonsendplu/registers/" + image))
            << image;
    }
}

TEST(CliInterrupt, CtrlCEndsAfterTheCurrentExchange) {
    EmulatorOptions paced;
    paced.BaudRate = 19200; // a write takes tens of milliseconds: time to interrupt
    TalonEmulator register_(paced);
    register_.Start();
    TempDir dir;
    CliProcess cli({"send", WriteArticleFile(dir, 100), "--port", register_.DevicePath()});
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (Count(register_.ReceivedCommands(), "#r") < 3 &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1)); // leave the register its core
    }
    cli.Signal(SIGINT);
    const CliResult result = cli.Finish();
    EXPECT_EQ(result.Status, 130) << result.Err;
    EXPECT_NE(result.Err.find("Prekinuto: upisano "), std::string::npos) << result.Err;
    EXPECT_EQ(result.Err.find(LinkFailed), std::string::npos) << result.Err;
    const int writes = Count(register_.ReceivedCommands(), "#r");
    EXPECT_LT(writes, 100);
    EXPECT_EQ(static_cast<int>(register_.Articles().size()), writes); // none left half done
}

TEST(CliExamine, PrintsDuplicatesWithoutARegister) {
    TempDir dir;
    const std::string path = dir.File("dup.txt");
    WriteBytes(path,
               "\xFF\xFE" + Utf16Bytes(u"Naziv\r\n\"Mleko\"\t11\t1.00\r\n\"Mleko\"\t12\t2.00\r\n"));
    const CliResult result = RunCli({"examine", path});
    EXPECT_EQ(result.Status, 0) << result.Err;
    EXPECT_EQ(result.Out, "2, 3 - \"Mleko\" - Dupliran naziv\n");
}

TEST(CliExamine, TellsRefusedLinesAsTheWindowDoes) {
    TempDir dir;
    const std::string path = dir.File("izvoz.csv");
    WriteBytes(path, "Naziv;Barkod;Cena\r\nMleko;0100;1,50\r\nKeks;12;12,50 din\r\nSok;100;2\r\n");
    const CliResult result = RunCli({"examine", path});
    EXPECT_EQ(result.Status, 0) << result.Err;
    EXPECT_NE(result.Err.find("Red 3: neispravna cena \"12,50 din\""), std::string::npos)
        << result.Err;
    EXPECT_EQ(result.Out, "2, 3 - [0100] / [100] - Isti barkod kao broj\n");
}

TEST(CliExamine, UnreadableWorkbookIsNamedAndExitsWithStatus2) {
    TempDir dir;
    const std::string path = dir.File("stari.xls");
    WriteBytes(path, std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + std::string(512, '\0'));
    const CliResult result = RunCli({"examine", path});
    EXPECT_EQ(result.Status, 2);
    EXPECT_NE(result.Err.find("Fajl " + path +
                              " nije moguce procitati kao tabelu (stari Excel format (.xls))"),
              std::string::npos)
        << result.Err;
    EXPECT_EQ(result.Out, "");
}

} // namespace
