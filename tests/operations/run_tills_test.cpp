// Several tills at once through the real serial code: each ends with its own result, and
// the shared stop ends all of them.
#include <gtest/gtest.h>

#include <memory>
#include <mutex>

#include "emulator/talon_emulator.h"
#include "operations/list_articles.h"
#include "operations/operation_sinks.h"
#include "operations/till_jobs.h"
#include "tests/articles/article_test_files.h"
#include "tests/cli/cli_files.h"

namespace {

constexpr int Tills = 3;
constexpr int Listed = 0;   // its image is made first
constexpr int Unlisted = 1; // it has no image
constexpr int Silent = 2;
constexpr int ArticleCount = 3;

class Lines : public LogSink {
public:
    void Line(const ECRString&) override {}
};

// The row of a grid as the window would show it.
class Row : public ProgressSink {
public:
    void Begin(int, int max) override {
        Total = max;
        Done = 0;
    }
    void Step(int n) override { Done += n; }
    void End() override {}
    std::string Shown() const { return TillProgressText(Done, Total).Text(); }

private:
    int Total = 0;
    int Done = 0;
};

int Writes(const TalonEmulator& till) {
    int n = 0;
    for (const std::string& command : till.ReceivedCommands()) {
        n += command.rfind("#r5", 0) == 0 ? 1 : 0;
    }
    return n;
}

class ManyTills : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < Tills; ++i) {
            EmulatorOptions options;
            options.FiscalModule = "TE00008" + std::to_string(i);
            Registers[i] = std::make_unique<TalonEmulator>(options);
            Registers[i]->Start();
        }
        Registers[Silent]->GoSilentAfter(0);
        for (int i = 0; i < ArticleCount; ++i) {
            Articles[i + 2] = Article("Artikal " + std::to_string(i), std::to_string(100 + i));
        }
    }
    std::vector<TillResult> Run(const std::vector<int>& tills, const TillJob& job,
                                const std::atomic<bool>& stop) {
        std::vector<TillWork> work;
        for (int i : tills) {
            TillTarget target;
            target.Name = "Kasa " + std::to_string(i);
            target.Password = "7351";
            AimAtPort(target, Registers[i]->DevicePath());
            work.push_back({target, &Log[i], &Rows[i], job,
                            [this, i](const TillResult& result) { Told[i] = result.Text.Text(); }});
        }
        return RunTills(work, Images.Dir(), stop);
    }

    std::unique_ptr<TalonEmulator> Registers[Tills];
    Lines Log[Tills];
    Row Rows[Tills];
    std::string Told[Tills];
    ArticleTable Articles;
    TempDir Images;
};

TEST_F(ManyTills, EachTillEndsWithItsOwnResult) {
    const std::atomic<bool> go{false};
    const TillJob list = [](TillSession& s) {
        ArticleTable table;
        ListArticles(s.ECR, s.Image, table, s.Progress, s.Log);
        return TillResult();
    };
    ASSERT_TRUE(Run({Listed}, list, go)[0].Ok());
    const std::vector<TillResult> results = Run({Listed, Unlisted, Silent}, SyncJob(Articles), go);
    ASSERT_EQ(results.size(), 3u);
    EXPECT_EQ(results[Listed].End, TillEnd::Done);
    EXPECT_STREQ(results[Listed].Text.Text(), "Upisano 3, isto 0");
    EXPECT_EQ(Rows[Listed].Shown(), "Upisano 3 od 3");
    EXPECT_EQ(results[Listed].FiscalModule, "TE000080");
    EXPECT_EQ(results[Unlisted].End, TillEnd::Refused);
    EXPECT_STREQ(results[Unlisted].Text.Text(), "Slika kase nije pouzdana (nema slike)");
    EXPECT_EQ(Writes(*Registers[Unlisted]), 0);
    EXPECT_EQ(results[Silent].End, TillEnd::NoRegister);
    EXPECT_STREQ(results[Silent].Text.Text(), "Kasa ne odgovara");
    EXPECT_TRUE(results[Silent].FiscalModule.empty());
    for (int i = 0; i < Tills; ++i) {
        EXPECT_EQ(Told[i], results[i].Text.Text());
        EXPECT_NE(results[i].Finished.time_since_epoch().count(), 0);
    }
}

TEST_F(ManyTills, TheSharedStopEndsEveryTillBeforeItWrites) {
    const std::atomic<bool> stop{true};
    const TillJob send = [this](TillSession& s) {
        ADD_FAILURE() << "a stopped till ran its job";
        return SyncJob(Articles)(s);
    };
    for (const TillResult& result : Run({Listed, Unlisted}, send, stop)) {
        EXPECT_EQ(result.End, TillEnd::Stopped);
    }
    EXPECT_EQ(Writes(*Registers[Listed]) + Writes(*Registers[Unlisted]), 0);
}

} // namespace
