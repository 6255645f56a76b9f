// Sending only what changed, against the register's image kept on disk.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <random>
#include <thread>

#include "emulator/talon_emulator.h"
#include "tests/cli/cli_files.h"
#include "tests/cli/cli_process.h"

namespace {

const char* const Untrusted = "Slika kase nije pouzdana (";
const char* const ImageFile = "talonsendplu/registers/TE000001.txt";
const char* const ImageMark = "talonsendplu/registers/TE000001.in-progress";

std::vector<long> Prices(int count, long base) {
    std::vector<long> prices;
    for (int n = 0; n < count; ++n) {
        prices.push_back(base + n);
    }
    return prices;
}

class CliSync : public ::testing::Test {
protected:
    explicit CliSync(EmulatorOptions options = {}) : Register(options) {}
    void SetUp() override { Register.Start(); }
    CliResult Run(std::vector<std::string> args) {
        args.insert(args.end(), {"--port", Register.DevicePath()});
        return RunCli(args, {"XDG_DATA_HOME=" + Data.Dir()});
    }
    int Writes() {
        int n = 0;
        for (const std::string& command : Register.ReceivedCommands()) {
            n += command.rfind("#r", 0) == 0 ? 1 : 0;
        }
        return n;
    }
    // The register holds exactly the file's articles at their prices.
    void ExpectRegisterHolds(const std::vector<long>& prices) {
        const auto articles = Register.Articles();
        ASSERT_EQ(articles.size(), prices.size());
        for (std::size_t i = 0; i < prices.size(); ++i) {
            const auto found = articles.find(static_cast<int>(i) + 2);
            ASSERT_NE(found, articles.end());
            EXPECT_EQ(std::lround(found->second.GetPrice() * 100), prices[i])
                << "location " << i + 2;
        }
    }

    TalonEmulator Register;
    TempDir Data;
    TempDir Files;
};

TEST_F(CliSync, WritesOnlyTheChangedPricesAndSaysSo) {
    std::vector<long> prices = Prices(12, 1000);
    ASSERT_EQ(Run({"send", WriteArticleFile(Files, prices)}).Status, 0);
    prices[3] = 4444;
    prices[9] = 9999;
    Register.ClearReceived();
    const CliResult result = Run({"sync", WriteArticleFile(Files, prices)});
    EXPECT_EQ(result.Status, 0) << result.Err;
    EXPECT_EQ(Writes(), 2);
    EXPECT_NE(result.Err.find("Izmene: upisano 2, odbijeno 0, nepromenjeno 10"), std::string::npos)
        << result.Err;
    ExpectRegisterHolds(prices);
}

TEST_F(CliSync, DryRunWritesNothingAndPruneErasesWhatTheFileLost) {
    ASSERT_EQ(Run({"send", WriteArticleFile(Files, Prices(6, 500))}).Status, 0);
    std::vector<long> fewer = Prices(4, 500);
    fewer[0] = 777;
    const std::string file = WriteArticleFile(Files, fewer);
    Register.ClearReceived();
    const CliResult dry = Run({"sync", file, "--dry-run", "--prune"});
    EXPECT_EQ(dry.Status, 0) << dry.Err;
    EXPECT_EQ(dry.Out, "upis 2 Artikal 1\nbrisanje 6 Artikal 5\nbrisanje 7 Artikal 6\n");
    EXPECT_EQ(Writes(), 0);
    const CliResult pruned = Run({"sync", file, "--prune"});
    EXPECT_NE(pruned.Err.find("Izmene: upisano 1, odbijeno 0, nepromenjeno 3, obrisano 2"),
              std::string::npos)
        << pruned.Err;
    ExpectRegisterHolds(fewer);
}

struct UntrustedCase {
    const char* Name;
    std::function<void(TalonEmulator&, const std::string& data)> Change;
    const char* Reason;
};

class CliSyncRefuses : public CliSync, public ::testing::WithParamInterface<UntrustedCase> {};

TEST_P(CliSyncRefuses, AnImageItCannotTrust) {
    const std::string file = WriteArticleFile(Files, Prices(5, 300));
    ASSERT_EQ(Run({"send", file}).Status, 0);
    GetParam().Change(Register, Data.Dir());
    Register.ClearReceived();
    const CliResult result = Run({"sync", file});
    EXPECT_EQ(result.Status, 1);
    EXPECT_NE(result.Err.find(std::string(Untrusted) + GetParam().Reason +
                              "): potrebno je Prikazi ili Posalji"),
              std::string::npos)
        << result.Err;
    EXPECT_EQ(Writes(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Images, CliSyncRefuses,
    ::testing::Values(UntrustedCase{"NoImage",
                                    [](TalonEmulator&, const std::string& data) {
                                        std::filesystem::remove(data + "/" + ImageFile);
                                    },
                                    "nema slike"},
                      UntrustedCase{"LeftInProgress",
                                    [](TalonEmulator&, const std::string& data) {
                                        WriteBytes(data + "/" + ImageMark, "x");
                                    },
                                    "prekinut rad"},
                      UntrustedCase{"CountChangedBehindItsBack",
                                    [](TalonEmulator& r, const std::string&) {
                                        r.SetArticle(40, Article("Novi", "40"));
                                    },
                                    "broj artikala"},
                      UntrustedCase{"ArticleEditedOnTheKeyboard",
                                    [](TalonEmulator& r, const std::string&) {
                                        r.SetArticle(4, Article("Artikal 3", "1003", "1.99"));
                                    },
                                    "artikal 4 se razlikuje"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(CliSync, AListingCutShortWritesNoImage) {
    Register.SetArticle(2, Article("A", "1"));
    Register.SetArticle(3, Article("B", "2"));
    Register.GoSilentAfter(6); // the log-in, the status and one read
    EXPECT_EQ(Run({"list"}).Status, 4);
    EXPECT_FALSE(std::filesystem::exists(Data.Dir() + "/" + ImageFile));
}

// A register that takes a few milliseconds a command, so that a kill lands mid-way.
EmulatorOptions Slow() {
    EmulatorOptions options;
    options.CommandDelayMs = 3;
    return options;
}

class CliKilled : public CliSync {
protected:
    CliKilled() : CliSync(Slow()) {}
    // Starts the program and kills it once the register has seen `writes` more writes
    // (or the program has ended by itself).
    void KillAfter(const std::vector<std::string>& args, int writes) {
        const int before = Writes();
        std::vector<std::string> all = args;
        all.insert(all.end(), {"--port", Register.DevicePath(), "--quiet"});
        CliProcess cli(all, {"XDG_DATA_HOME=" + Data.Dir()});
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (Writes() - before < writes && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1)); // leave the register its core
        }
        cli.Signal(SIGKILL);
        cli.Finish();
    }
    // Sync, and a full send when the sync will not trust the image.
    void Recover(const std::string& file) {
        const CliResult sync = Run({"sync", file});
        if (sync.Err.find(Untrusted) != std::string::npos) {
            ++FullSends;
            ASSERT_EQ(Run({"send", file}).Status, 0);
        } else {
            ASSERT_EQ(sync.Status, 0) << sync.Err;
        }
    }
    int FullSends = 0;
};

TEST_F(CliKilled, KilledAnywhereTheNextSyncStillLeavesTheFileInTheRegister) {
    constexpr int Articles = 30;
    constexpr int Moments = 20;
    std::mt19937 random(20261208);
    std::vector<long> prices = Prices(Articles, 100);
    ASSERT_EQ(Run({"send", WriteArticleFile(Files, prices)}).Status, 0);
    for (int moment = 0; moment < Moments; ++moment) {
        for (const bool full : {false, true}) {
            for (int change = 0; change < 8; ++change) {
                prices[random() % Articles] = 100 + static_cast<long>(random() % 50000);
            }
            const std::string file = WriteArticleFile(Files, prices);
            const int writes = static_cast<int>(random() % (full ? Articles : 8));
            KillAfter({full ? "send" : "sync", file}, writes);
            Recover(file);
            ExpectRegisterHolds(prices);
        }
    }
    RecordProperty("FullSends", FullSends);
    std::printf("kill test: %d kills, %d recovered by a full send\n", 2 * Moments, FullSends);
}

} // namespace
