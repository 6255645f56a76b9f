// The journal an operation cut short leaves behind, as the next sync reads it.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "files/whole_file.h"
#include "image/image_journal.h"
#include "tests/articles/article_test_files.h"

namespace {

const std::string Heading = "talonsendplu journal 1\tbase trusted\n"; // before kinds were kept
const std::string FullSendHeading = "talonsendplu journal 1\tbase untrusted\tfull send\n";
const std::string Plan = "w\t2\t\"A\"\t1\t1.00\t2\t1\t0\t0\t0\t0\t0\t0\t0\n"
                         "w\t3\t\"B\"\t2\t2.00\t2\t1\t0\t0\t0\t0\t0\t0\t0\n"
                         "e\t7\n"
                         "begin\n";
const std::string WroteTwo = "W\t2\t\"A\"\t1\t1.00\t2\t1\t0\t0\t0\t0\t0\t0\t0\n";

struct JournalCase {
    const char* Name;
    std::string Text;
    bool Usable;
    std::vector<int> Replied; // the locations of the replies taken, in order
    std::optional<int> InFlight;
    JournalKind Kind = JournalKind::Patch;
};

class JournalReadingTest : public ::testing::TestWithParam<JournalCase> {};

TEST_P(JournalReadingTest, TakesWholeRepliesToThePlanOnly) {
    TempDir dir;
    const std::string path = dir.File("TE1.in-progress");
    WriteBytes(path, GetParam().Text);
    const JournalReading reading = ReadJournal(path);
    EXPECT_EQ(reading.Usable, GetParam().Usable);
    std::vector<int> replied;
    for (const JournalReply& reply : reading.Replies) {
        replied.push_back(reply.Location);
    }
    EXPECT_EQ(replied, GetParam().Replied);
    EXPECT_EQ(reading.InFlight, GetParam().InFlight);
    EXPECT_EQ(reading.Kind, GetParam().Kind);
}

INSTANTIATE_TEST_SUITE_P(
    Journals, JournalReadingTest,
    ::testing::Values(
        JournalCase{"PlanOnly", Heading + Plan, true, {}, 2},
        JournalCase{"OneWriteAccepted", Heading + Plan + WroteTwo, true, {2}, 3},
        JournalCase{
            "ARefusalCountsAsAnswered", Heading + Plan + WroteTwo + "R\t3\n", true, {2, 3}, 7},
        JournalCase{"EveryStepAnswered",
                    Heading + Plan + WroteTwo + "R\t3\nE\t7\n",
                    true,
                    {2, 3, 7},
                    std::nullopt},
        JournalCase{"LineCutByAKillIsLeftOut",
                    Heading + Plan + WroteTwo + "W\t3\t\"B\"\t2\t2.0",
                    true,
                    {2},
                    3},
        JournalCase{"GarbageEndsTheReading", Heading + Plan + "x\x01\n" + WroteTwo, true, {}, 2},
        JournalCase{"AReplyToNoPlannedStepEndsTheReading",
                    Heading + Plan + "E\t2\n" + WroteTwo,
                    true,
                    {},
                    2},
        JournalCase{
            "PlanCutShortIsNoJournal", Heading + "w\t2\t\"A\"\t1\t1.00\n", false, {}, std::nullopt},
        JournalCase{"ImageNotTrustedWhenItBegan",
                    "talonsendplu journal 1\tbase untrusted\n" + Plan + WroteTwo,
                    false,
                    {},
                    std::nullopt},
        JournalCase{"AnOldMark", "TE1\n", false, {}, std::nullopt},
        JournalCase{"AHeadingWithoutAKindIsAPatch",
                    "talonsendplu journal 1\tbase untrusted\n" + Plan,
                    false,
                    {},
                    std::nullopt,
                    JournalKind::Patch},
        JournalCase{"APatchOfAnUntrustedImage",
                    "talonsendplu journal 1\tbase untrusted\tpatch\n" + Plan + WroteTwo,
                    false,
                    {},
                    std::nullopt,
                    JournalKind::Patch},
        JournalCase{"AFullSendOfAnUntrustedImage",
                    FullSendHeading + Plan + WroteTwo,
                    true,
                    {2},
                    3,
                    JournalKind::FullSend},
        JournalCase{"AFullSendOfATrustedImage",
                    "talonsendplu journal 1\tbase trusted\tfull send\n" + Plan + WroteTwo,
                    true,
                    {2},
                    3,
                    JournalKind::FullSend},
        JournalCase{"AnUnknownKindIsNoJournal",
                    "talonsendplu journal 1\tbase trusted\tmerge\n" + Plan + WroteTwo,
                    false,
                    {},
                    std::nullopt},
        JournalCase{"AFullSendCutInItsPlanIsNoJournal",
                    FullSendHeading + "w\t2\t\"A\"\t1\t1.00\n",
                    false,
                    {},
                    std::nullopt,
                    JournalKind::FullSend}),
    [](const auto& info) { return std::string(info.param.Name); });

// A journal that cannot be read to its end is refused, never taken in as one cut short.
// A folder where the journal stands opens, but every read of it fails (EISDIR).
TEST(JournalReading, AReadThatFailsIsRefused) {
    TempDir dir;
    const std::string path = dir.File("TE1.in-progress");
    ASSERT_TRUE(std::filesystem::create_directory(path));
    std::string content;
    const WholeFileRead read = ReadWholeFile(path, content);
    if (read == WholeFileRead::NotOpened) {
        GTEST_SKIP() << "this system does not open a folder as a file";
    }
    ASSERT_EQ(read, WholeFileRead::Failed);
    const JournalReading reading = ReadJournal(path);
    EXPECT_FALSE(reading.Usable);
    EXPECT_TRUE(reading.Replies.empty());
    EXPECT_EQ(reading.InFlight, std::nullopt);
}

TEST(JournalWriter, WhatItWritesReadsBackArticleForArticle) {
    TempDir dir;
    const std::string path = dir.File("TE1.in-progress");
    TalonPLUItem bread = RegisterArticle("\xD5\xEB\xE5\xE1", "860", 4); // "Хлеб"
    bread.SetPrice(45.5);
    {
        JournalWriter journal;
        ASSERT_TRUE(journal.Start(path, true, JournalKind::Patch,
                                  {{JournalStep::Write, 4, bread},
                                   {JournalStep::Erase, 9, TalonPLUItem()},
                                   {JournalStep::Write, 11, bread}}));
        ASSERT_TRUE(journal.Add({JournalReply::Written, 4, bread}));
        ASSERT_TRUE(journal.Add({JournalReply::Erased, 9, TalonPLUItem()}));
    }
    const JournalReading reading = ReadJournal(path);
    ASSERT_TRUE(reading.Usable);
    ASSERT_EQ(reading.Replies.size(), 2u);
    EXPECT_EQ(reading.Replies[0].What, JournalReply::Written);
    EXPECT_STREQ(reading.Replies[0].Item.GetDescription().Text(), "\xD5\xEB\xE5\xE1");
    EXPECT_DOUBLE_EQ(reading.Replies[0].Item.GetPrice(), 45.5);
    EXPECT_EQ(reading.Replies[1].What, JournalReply::Erased);
    EXPECT_EQ(reading.InFlight, 11);
}

// A kill right after a reply was added must not lose it: it is in the file at once, its
// way to the disk still under way.
TEST(JournalWriter, EachReplyIsInTheFileWhenAddReturns) {
    TempDir dir;
    const std::string path = dir.File("TE1.in-progress");
    const std::vector<int> locations{4, 9, 11};
    JournalWriter journal;
    std::vector<PlannedStep> plan;
    for (const int location : locations) {
        plan.push_back({JournalStep::Erase, location, TalonPLUItem()});
    }
    ASSERT_TRUE(journal.Start(path, true, JournalKind::Patch, plan));
    for (std::size_t i = 0; i < locations.size(); ++i) {
        ASSERT_TRUE(journal.Add({JournalReply::Erased, locations[i], TalonPLUItem()}));
        EXPECT_EQ(ReadJournal(path).Replies.size(), i + 1);
    }
    EXPECT_TRUE(journal.Close());
}

TEST(JournalWriter, ItsKindAndBaseReadBack) {
    TempDir dir;
    const std::string path = dir.File("TE1.in-progress");
    for (const JournalKind kind : {JournalKind::Patch, JournalKind::FullSend}) {
        for (const bool trusted : {false, true}) {
            {
                JournalWriter journal;
                ASSERT_TRUE(journal.Start(path, trusted, kind, {{JournalStep::Erase, 9, {}}}));
            }
            const JournalReading reading = ReadJournal(path);
            EXPECT_EQ(reading.Kind, kind) << trusted;
            EXPECT_EQ(reading.BaseTrusted, trusted);
            EXPECT_EQ(reading.Usable, trusted || kind == JournalKind::FullSend);
            EXPECT_EQ(reading.InFlight, reading.Usable ? std::optional<int>(9) : std::nullopt);
        }
    }
}

TEST(JournalWriter, AFolderItCannotWriteFailsTheStart) {
    TempDir dir;
    WriteBytes(dir.File("file"), "a file where the folder would go");
    JournalWriter journal;
    EXPECT_FALSE(
        journal.Start(dir.File("file") + "/TE1.in-progress", true, JournalKind::Patch, {}));
    EXPECT_FALSE(journal.Add({JournalReply::Erased, 9, TalonPLUItem()}));
}

} // namespace
