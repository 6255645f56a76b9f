// Saved tills from the command line: three registers at once, one of them behind a network
// port and one silent, then again once it answers.
#include <gtest/gtest.h>

#include <memory>

#include "emulator/talon_emulator.h"
#include "tests/cli/cli_files.h"
#include "tests/cli/cli_process.h"

namespace {

const char* const Names[] = {"Каса 1", "Kasa\t\"2\"", "Kasa 3"};
constexpr int Tills = 3;
constexpr int Silent = 2; // the till that does not answer at first
constexpr int ArticleCount = 6;

int Writes(const TalonEmulator& till) {
    int n = 0;
    for (const std::string& command : till.ReceivedCommands()) {
        n += command.rfind("#r5", 0) == 0 ? 1 : 0;
    }
    return n;
}

class CliTills : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < Tills; ++i) {
            EmulatorOptions options;
            options.FiscalModule = "TE00009" + std::to_string(i); // an image each
            Registers[i] = std::make_unique<TalonEmulator>(options);
        }
        Registers[0]->Start();
        Registers[1]->Listen("127.0.0.1", 0);
        Registers[2]->Start();
        for (int i = 0; i < Tills; ++i) {
            const CliResult added =
                Run({"registers", "add", Names[i], "--port", Registers[i]->DevicePath()});
            ASSERT_EQ(added.Status, 0) << added.Err;
        }
    }
    CliResult Run(const std::vector<std::string>& args) {
        return RunCli(args, {"XDG_DATA_HOME=" + Data.Dir()});
    }
    void ClearReceived() {
        for (auto& till : Registers) {
            till->ClearReceived();
        }
    }

    std::unique_ptr<TalonEmulator> Registers[Tills];
    TempDir Data;
    TempDir Files;
};

TEST_F(CliTills, TheSilentTillFailsAloneAndIsBroughtUpToDateLater) {
    ASSERT_EQ(Run({"list", "--all", "--quiet"}).Status, 0); // every image made
    const std::string prices = WriteArticleFile(Files, ArticleCount);
    Registers[Silent]->GoSilentAfter(0);
    const CliResult first = Run({"sync", prices, "--all"});
    EXPECT_EQ(first.Status, 3) << first.Err;
    EXPECT_NE(first.Err.find("[Kasa 3] Greska u otvaranju konekcije!"), std::string::npos)
        << first.Err;
    EXPECT_NE(first.Err.find("[Kasa\t\"2\"] Izmene: upisano 6"), std::string::npos) << first.Err;
    for (const std::string& line : {std::string("Izmene"), std::string("Prijavljivanje")}) {
        EXPECT_EQ(first.Err.find("\n" + line), std::string::npos) << "a line without its till";
    }
    EXPECT_EQ(Writes(*Registers[0]), ArticleCount);
    EXPECT_EQ(Writes(*Registers[1]), ArticleCount);
    Registers[Silent]->Resume();
    ClearReceived();
    const CliResult second = Run({"sync", prices, "--all", "--quiet"});
    EXPECT_EQ(second.Status, 0) << second.Err;
    EXPECT_EQ(Writes(*Registers[0]), 0);
    EXPECT_EQ(Writes(*Registers[1]), 0);
    EXPECT_EQ(Writes(*Registers[Silent]), ArticleCount);
    // Each till's record of changes is found by its name.
    const CliResult history = Run({"history", "--register", Names[0]});
    EXPECT_EQ(history.Status, 0) << history.Err;
    EXPECT_NE(history.Out.find("Artikal 6"), std::string::npos) << history.Out;
}

TEST_F(CliTills, AnUnknownNameStopsEverythingBeforeAByte) {
    const CliResult result = Run({"send", WriteArticleFile(Files, ArticleCount), "--register",
                                  Names[0], "--register", "Kasa 4", "--all"});
    EXPECT_EQ(result.Status, 2);
    EXPECT_NE(result.Err.find("Kasa \"Kasa 4\" nije sacuvana"), std::string::npos) << result.Err;
    for (const auto& till : Registers) {
        EXPECT_EQ(till->LineBytes(), 0u);
    }
    EXPECT_EQ(Run({"registers", "remove", "Kasa 4"}).Status, 2);
}

TEST_F(CliTills, APortReachedTwiceIsRefusedBeforeAByte) {
    // The second open of a port would fail after the first had begun writing.
    const CliResult result =
        Run({"status", "--register", Names[0], "--port", Registers[0]->DevicePath()});
    EXPECT_EQ(result.Status, 2);
    EXPECT_NE(result.Err.find("isti port je naveden dva puta"), std::string::npos) << result.Err;
    EXPECT_EQ(Registers[0]->LineBytes(), 0u);
}

} // namespace
