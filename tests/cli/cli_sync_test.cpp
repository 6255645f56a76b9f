// Sending only what changed, against the register's image kept on disk.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <filesystem>
#include <functional>
#include <random>
#include <set>
#include <thread>

#include "emulator/talon_emulator.h"
#include "tests/cli/cli_files.h"
#include "tests/cli/cli_process.h"

namespace {

const char* const Untrusted = "Slika kase nije pouzdana (";
const char* const ImageFile = "talonsendplu/registers/TE000001.txt";
const char* const ImageMark = "talonsendplu/registers/TE000001.in-progress";
const char* const ImageReason = "talonsendplu/registers/TE000001.untrusted";

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
                      UntrustedCase{"AJournalThatCannotBeRead",
                                    [](TalonEmulator&, const std::string& data) {
                                        // It opens, but every read of it fails.
                                        std::filesystem::create_directory(data + "/" + ImageMark);
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

TEST_F(CliSync, AFailedCheckStaysFailedUntilAListing) {
    const std::string file = WriteArticleFile(Files, Prices(5, 300));
    ASSERT_EQ(Run({"send", file}).Status, 0);
    const TalonPLUItem original = Register.Articles().at(4);
    Register.SetArticle(4, Article("Artikal 3", "1003", "1.99"));
    const std::string refused =
        std::string(Untrusted) + "artikal 4 se razlikuje): potrebno je Prikazi ili Posalji";
    EXPECT_NE(Run({"sync", file}).Err.find(refused), std::string::npos);
    // A write in between and the article put back on the keyboard: still refused.
    ASSERT_EQ(Run({"erase", "6"}).Status, 0);
    Register.SetArticle(4, original);
    Register.ClearReceived();
    const CliResult again = Run({"sync", file});
    EXPECT_EQ(again.Status, 1);
    EXPECT_NE(again.Err.find(refused), std::string::npos) << again.Err;
    EXPECT_EQ(Writes(), 0);
    ASSERT_EQ(Run({"list"}).Status, 0);
    const CliResult listed = Run({"sync", file});
    EXPECT_EQ(listed.Status, 0) << listed.Err;
    ExpectRegisterHolds(Prices(5, 300));
}

TEST_F(CliSync, TheSampleIsDrawnAfreshWithTheEndsAlwaysIn) {
    const std::string file = WriteArticleFile(Files, Prices(30, 100));
    ASSERT_EQ(Run({"send", file}).Status, 0);
    std::set<std::string> everRead;
    for (int run = 0; run < 6; ++run) {
        Register.ClearReceived();
        ASSERT_EQ(Run({"sync", file, "--dry-run"}).Status, 0);
        std::set<std::string> read;
        for (const std::string& command : Register.ReceivedCommands()) {
            if (command.rfind("$b", 0) == 0) {
                read.insert(command);
            }
        }
        EXPECT_EQ(read.size(), 8u);
        EXPECT_EQ(read.count("$b2\t"), 1u);
        EXPECT_EQ(read.count("$b31\t"), 1u);
        everRead.insert(read.begin(), read.end());
    }
    EXPECT_GT(everRead.size(), 8u); // six draws of 6 among 28 never all alike
}

TEST_F(CliSync, VerifyFindsAnArticleChangedRightAfterItsWrite) {
    std::vector<long> prices = Prices(5, 300);
    ASSERT_EQ(Run({"send", WriteArticleFile(Files, prices)}).Status, 0);
    prices[2] = 999; // location 4
    prices[3] = 888; // location 5
    const std::string file = WriteArticleFile(Files, prices);
    Register.AlterWrites(4, Article("Artikal 3", "1003", "1.11"));
    const CliResult verified = Run({"sync", file, "--verify"});
    EXPECT_EQ(verified.Status, 1);
    EXPECT_NE(verified.Err.find("Artikal 4 se razlikuje posle upisa"), std::string::npos)
        << verified.Err;
    EXPECT_EQ(verified.Err.find("Artikal 5 se razlikuje"), std::string::npos) << verified.Err;
    Register.Resume();
    const CliResult next = Run({"sync", file});
    EXPECT_EQ(next.Status, 1);
    EXPECT_NE(next.Err.find(std::string(Untrusted) + "artikal 4 se razlikuje)"), std::string::npos)
        << next.Err;
}

TEST_F(CliSync, AJournalThatCannotBeWrittenSendsNothing) {
    std::filesystem::create_directories(Data.Dir() + "/" + ImageMark); // a folder in its way
    const CliResult sent = Run({"send", WriteArticleFile(Files, Prices(3, 100))});
    EXPECT_EQ(sent.Status, 2);
    EXPECT_NE(sent.Err.find("/talonsendplu/registers nije moguce snimiti"), std::string::npos)
        << sent.Err;
    EXPECT_EQ(Writes(), 0);
}

// A full send with no image to trust (a first one, or one after a failed check), cut short
// by the link.
struct FirstSendCut {
    const char* Name;
    bool ImageSaved;  // false: killed before it could save what the register accepted
    bool FailedCheck; // a failed check was kept from before the send
    bool StaleImage;  // an image of what the register held before it was cleared
};

class CliFirstSend : public CliSync, public ::testing::WithParamInterface<FirstSendCut> {
protected:
    static constexpr int Articles = 20;
    static constexpr int AnsweredBeforeTheCut = 12; // the log-in, the status and some writes

    std::string In(const char* file) const { return Data.Dir() + "/" + file; }
    static constexpr int OutsideThePlan = 60;

    // `leftover`: the register also holds an article the send does not write.
    void CutSend(const std::string& file, bool leftover = false) {
        const std::string stale = In(ImageFile) + ".stale";
        if (GetParam().StaleImage) {
            const std::string before = WriteArticleFile(Files, Prices(Articles + 5, 900), "b.txt");
            EXPECT_EQ(Run({"send", before}).Status, 0);
            std::filesystem::copy_file(In(ImageFile), stale);
            Register.ClearArticles();
        }
        if (leftover) {
            Register.SetArticle(OutsideThePlan, Article("Stari", "60"));
        }
        if (GetParam().FailedCheck) {
            std::filesystem::create_directories(Data.Dir() + "/talonsendplu/registers");
            WriteBytes(In(ImageReason), "broj artikala\n");
        }
        Register.GoSilentAfter(AnsweredBeforeTheCut);
        EXPECT_EQ(Run({"send", file}).Status, 4);
        Register.Resume();
        if (!GetParam().ImageSaved) {
            std::filesystem::remove(In(ImageFile));
        }
        if (GetParam().StaleImage) {
            std::filesystem::rename(stale, In(ImageFile));
        }
        EXPECT_TRUE(std::filesystem::exists(In(ImageMark)));
    }
};

TEST_P(CliFirstSend, OneSyncWritesOnlyWhatTheCutSendLeft) {
    const std::vector<long> prices = Prices(Articles, 100);
    const std::string file = WriteArticleFile(Files, prices);
    CutSend(file);
    const int held = static_cast<int>(Register.Articles().size());
    ASSERT_GT(held, 0);
    ASSERT_LT(held, Articles);
    Register.ClearReceived();
    const CliResult sync = Run({"sync", file});
    EXPECT_EQ(sync.Status, 0) << sync.Err;
    EXPECT_EQ(Writes(), Articles - held);
    EXPECT_NE(sync.Err.find("Izmene: upisano " + std::to_string(Articles - held) +
                            ", odbijeno 0, nepromenjeno " + std::to_string(held)),
              std::string::npos)
        << sync.Err;
    ExpectRegisterHolds(prices);
    EXPECT_FALSE(std::filesystem::exists(In(ImageMark)));
    EXPECT_FALSE(std::filesystem::exists(In(ImageReason)));
    Register.ClearReceived();
    const CliResult again = Run({"sync", file});
    EXPECT_EQ(again.Status, 0) << again.Err;
    EXPECT_EQ(Writes(), 0);
    EXPECT_NE(
        again.Err.find("Izmene: upisano 0, odbijeno 0, nepromenjeno " + std::to_string(Articles)),
        std::string::npos)
        << again.Err;
}

TEST_P(CliFirstSend, AnArticleTheSendDidNotPlanIsRefusedAndStaysRefused) {
    const std::string file = WriteArticleFile(Files, Prices(Articles, 100));
    CutSend(file, true);
    const std::string refused =
        std::string(Untrusted) + "broj artikala): potrebno je Prikazi ili Posalji";
    for (int sync = 0; sync < 2; ++sync) {
        Register.ClearReceived();
        const CliResult result = Run({"sync", file});
        EXPECT_EQ(result.Status, 1) << "sync " << sync;
        EXPECT_NE(result.Err.find(refused), std::string::npos) << result.Err;
        EXPECT_EQ(Writes(), 0) << "sync " << sync;
    }
    EXPECT_TRUE(std::filesystem::exists(In(ImageReason)));
}

INSTANTIATE_TEST_SUITE_P(
    Cuts, CliFirstSend,
    ::testing::Values(FirstSendCut{"LinkCut", true, false, false},
                      FirstSendCut{"KilledBeforeTheImageWasSaved", false, false, false},
                      FirstSendCut{"AfterAFailedCheck", true, true, false},
                      // What the image held before must not count.
                      FirstSendCut{"KilledOverAnImageThatFailedACheck", false, true, true}),
    [](const auto& info) { return std::string(info.param.Name); });

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
            std::this_thread::sleep_for(
                std::chrono::milliseconds(1)); // leave the register its core
        }
        cli.Signal(SIGKILL);
        cli.Finish();
    }
    // Locations whose price the register does not yet have.
    int Lacking(const std::vector<long>& prices) {
        const auto articles = Register.Articles();
        int lacking = 0;
        for (std::size_t i = 0; i < prices.size(); ++i) {
            const auto found = articles.find(static_cast<int>(i) + 2);
            lacking +=
                found == articles.end() || std::lround(found->second.GetPrice() * 100) != prices[i]
                    ? 1
                    : 0;
        }
        return lacking;
    }
    // One sync, which must write exactly what the register lacks (a full send when it
    // will not trust the image, counted); its exchanges are kept.
    void Recover(const std::string& file, const std::vector<long>& prices) {
        const int lacking = Lacking(prices);
        Register.ClearReceived();
        const CliResult sync = Run({"sync", file});
        Exchanges.push_back(static_cast<int>(Register.ReceivedCommands().size()));
        if (sync.Err.find(Untrusted) != std::string::npos) {
            ++FullSends;
            ASSERT_EQ(Run({"send", file}).Status, 0);
            return;
        }
        ASSERT_EQ(sync.Status, 0) << sync.Err;
        EXPECT_EQ(Writes(), lacking);
    }
    int FullSends = 0;
    std::vector<int> Exchanges;
};

TEST_F(CliKilled, KilledAnywhereTheNextSyncStillLeavesTheFileInTheRegister) {
    constexpr int Articles = 30;
    constexpr int Moments = 20;
    constexpr int FirstSendEvery = 4; // of the full sends, one in four is a first one
    std::mt19937 random(20261208);
    std::vector<long> prices = Prices(Articles, 100);
    ASSERT_EQ(Run({"send", WriteArticleFile(Files, prices)}).Status, 0);
    int firstSends = 0;
    for (int moment = 0; moment < Moments; ++moment) {
        for (const bool full : {false, true}) {
            for (int change = 0; change < 8; ++change) {
                prices[random() % Articles] = 100 + static_cast<long>(random() % 50000);
            }
            const std::string file = WriteArticleFile(Files, prices);
            int writes = static_cast<int>(random() % (full ? Articles : 8));
            if (full && moment % FirstSendEvery == 1) {
                // An empty register and no image: a kill before the first write would
                // leave nothing to take up, so at least one goes out.
                ++firstSends;
                Register.ClearArticles();
                for (const char* path : {ImageFile, ImageMark, ImageReason}) {
                    std::filesystem::remove(Data.Dir() + "/" + path);
                }
                writes = std::max(writes, 1);
            }
            KillAfter({full ? "send" : "sync", file}, writes);
            Recover(file, prices);
            ExpectRegisterHolds(prices);
        }
    }
    EXPECT_EQ(FullSends, 0);
    RecordProperty("FullSends", FullSends);
    std::string counts;
    for (int n : Exchanges) {
        counts += " " + std::to_string(n);
    }
    std::printf("kill test: %d kills (%d of sync, %d of a full send, %d of them a first one), %d "
                "recovered by a full send; exchanges of each recovery:%s\n",
                2 * Moments, Moments, Moments, firstSends, FullSends, counts.c_str());
}

// Registers slow enough that one program is still writing when the other starts.
EmulatorOptions Slower() {
    EmulatorOptions options;
    options.CommandDelayMs = 20;
    return options;
}

// Two programs, or two threads of one, on registers that share an image name.
class CliOneWriter : public CliSync {
protected:
    CliOneWriter() : CliSync(Slower()), Other(Slower()) {}
    void SetUp() override {
        CliSync::SetUp();
        Other.Start();
    }
    static int WritesTo(const TalonEmulator& r) {
        int n = 0;
        for (const std::string& command : r.ReceivedCommands()) {
            n += command.rfind("#r", 0) == 0 ? 1 : 0;
        }
        return n;
    }
    TalonEmulator Other;
};

const char* const Busy = "Slika kase TE000001 je zauzeta: sa ovom kasom vec radi drugi program";

TEST_F(CliOneWriter, ASecondProgramOnTheImageWritesNothing) {
    constexpr int Articles = 60;
    const std::string file = WriteArticleFile(Files, Prices(Articles, 100));
    CliProcess first({"send", file, "--port", Register.DevicePath(), "--quiet"},
                     {"XDG_DATA_HOME=" + Data.Dir()});
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (Writes() == 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1)); // leave the register its core
    }
    const CliResult second =
        RunCli({"send", file, "--port", Other.DevicePath()}, {"XDG_DATA_HOME=" + Data.Dir()});
    EXPECT_EQ(second.Status, 2);
    EXPECT_NE(second.Err.find(Busy), std::string::npos) << second.Err;
    EXPECT_EQ(WritesTo(Other), 0);
    EXPECT_EQ(first.Finish().Status, 0);
    ExpectRegisterHolds(Prices(Articles, 100));
}

TEST_F(CliOneWriter, TwoThreadsOfOneProgram) {
    constexpr int Articles = 40;
    const std::string file = WriteArticleFile(Files, Prices(Articles, 100));
    const CliResult both = RunCli(
        {"send", file, "--port", Register.DevicePath(), "--port", Other.DevicePath(), "--quiet"},
        {"XDG_DATA_HOME=" + Data.Dir()});
    EXPECT_EQ(both.Status, 2);
    const std::size_t told = both.Err.find(Busy);
    ASSERT_NE(told, std::string::npos) << both.Err;
    EXPECT_EQ(both.Err.find(Busy, told + 1), std::string::npos) << both.Err;
    EXPECT_EQ(std::min(Writes(), WritesTo(Other)), 0);
    EXPECT_EQ(std::max(Writes(), WritesTo(Other)), Articles);
}

TEST_F(CliSync, RegistersOfTheirOwnImagesAreWrittenTogether) {
    EmulatorOptions second;
    second.FiscalModule = "TE000002";
    TalonEmulator other(second);
    other.Start();
    const std::string file = WriteArticleFile(Files, Prices(6, 100));
    const CliResult both =
        RunCli({"send", file, "--port", Register.DevicePath(), "--port", other.DevicePath()},
               {"XDG_DATA_HOME=" + Data.Dir()});
    EXPECT_EQ(both.Status, 0) << both.Err;
    EXPECT_EQ(other.Articles().size(), 6u);
    ExpectRegisterHolds(Prices(6, 100));
    EXPECT_TRUE(std::filesystem::exists(Data.Dir() + "/talonsendplu/registers/TE000002.txt"));
}

} // namespace
