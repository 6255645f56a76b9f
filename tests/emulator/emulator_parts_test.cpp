// The emulator's pieces on their own: article texts, replies, pacing, starting articles.
#include <gtest/gtest.h>

#include <chrono>
#include <set>

#include "emulator/article_text.h"
#include "emulator/demo_articles.h"
#include "emulator/reply_builder.h"
#include "tests/articles/article_test_files.h"
#include "tests/emulator/emulator_fixture.h"
#include "tests/support/case_name.h"

namespace {

TEST(EmulatorArticleText, ProgrammingTextReadsMinPriceBeforeMaxPrice) {
    const StoredArticle a =
        ParseProgrammingText(WithSep("Kafa\n860\n3499\t1|2|3|1|1|0|7|1500\t9999\t"));
    EXPECT_EQ(a.Name, "Kafa");
    EXPECT_EQ(a.Barcode, "860");
    EXPECT_EQ(a.PriceHundredths, 3499);
    EXPECT_EQ(a.TaxRate, 1);
    EXPECT_EQ(a.Department, 2);
    EXPECT_EQ(a.Container, 3);
    EXPECT_TRUE(a.PriceFixed);
    EXPECT_TRUE(a.MinPrice);
    EXPECT_FALSE(a.MaxPrice);
    EXPECT_EQ(a.Measurement, 7);
    EXPECT_EQ(a.QuantityThousandths, 1500);
    EXPECT_EQ(a.TurnoverHundredths, 9999);
    EXPECT_EQ(ReadingText(a, 12, 30),
              WithSep("Kafa\n860\n3499\t1|2|3|1|0|1|7|1500\t9999\t12\t30\t"));
}

TEST(EmulatorArticleText, ShortTextLeavesTheRestEmpty) {
    const StoredArticle a = ParseProgrammingText("Kafa\n860\n");
    EXPECT_EQ(a.Barcode, "860");
    EXPECT_EQ(a.PriceHundredths, 0);
    EXPECT_FALSE(a.PriceFixed);
}

TEST(EmulatorArticleText, PluItemRoundTripKeepsFlagsAndCounters) {
    TalonPLUItem item;
    item.FromECRText(WithSep("Mleko\n861\n12900\t1|2|3|1|1|0|7|1500\t9999\t0\t0").c_str());
    EXPECT_EQ(Fields(ToPLUItem(FromPLUItem(item), 4, 9)),
              "Mleko|861|129|1|2|3|1|1|0|7|1.5|99.99|4|9");
}

TEST(EmulatorReply, CodeReplyIsEnvelopeAroundTwoCharactersAndTheCode) {
    // Checksum of "*qRC0": 0xFF ^ '*' ^ 'q' ^ 'R' ^ 'C' ^ '0'.
    EXPECT_EQ(BuildReply("*q", CodeBody(0)), "\x1BP*qRC0" + XorChecksum("*qRC0") + "\x1B\\");
    EXPECT_EQ(ReplyHead("*"), "*?");
    EXPECT_EQ(BuildReply("$b", std::string("a\\b", 3)).substr(4, 3), "a?b");
}

TEST(EmulatorDemo, EightDistinctArticlesWithCyrillicNames) {
    const auto demo = DemoArticles();
    ASSERT_EQ(demo.size(), 8u);
    std::set<std::string> names;
    std::set<std::string> barcodes;
    int cyrillic = 0;
    for (const auto& [location, a] : demo) {
        EXPECT_GT(a.PriceHundredths, 0);
        EXPECT_LE(a.Name.size(), 16u);
        names.insert(a.Name);
        barcodes.insert(a.Barcode);
        cyrillic += static_cast<unsigned char>(a.Name[0]) >= 0xC0 ? 1 : 0;
    }
    EXPECT_EQ(names.size(), 8u);
    EXPECT_EQ(barcodes.size(), 8u);
    EXPECT_GE(cyrillic, 4);
    EXPECT_EQ(demo.begin()->first, 1);
}

TEST(EmulatorStart, DemoOptionProgramsTheDemoSet) {
    EmulatorOptions options;
    options.DemoArticles = true;
    TalonEmulator emulator(options);
    EXPECT_EQ(emulator.Articles().size(), DemoArticles().size());
    EXPECT_EQ(emulator.Articles().at(8).GetNextID(), 0);
}

TEST(EmulatorStart, ArticleFileIsProgrammedAtItsLocations) {
    TempDir dir;
    // An article file as the program writes it: UTF-16LE, heading line, CR LF.
    WriteBytes(
        dir.File("a.txt"),
        Utf16Bytes(
            u"Naziv\tBarkod\r\n\"Hleb\"\t860\t65.00\t2\t1\t0\t0\t0\t0\t0\t0\t0\r\n"
            u"\"\u041C\u043B\u0435\u043A\u043E\"\t861\t129.00\t2\t1\t0\t0\t0\t0\t0\t0\t0\r\n"));
    EmulatorOptions options;
    options.ArticleFile = dir.File("a.txt");
    TalonEmulator emulator(options);
    const auto articles = emulator.Articles();
    ASSERT_EQ(articles.size(), 2u);
    EXPECT_EQ(articles.at(2).GetDescription(), "Hleb");
    EXPECT_EQ(articles.at(3).GetDescription(), "\xCC\xEB\xE5\xEA\xEE");
    EXPECT_DOUBLE_EQ(articles.at(3).GetPrice(), 129.0);
}

TEST(EmulatorStart, UnreadableArticleFileIsAnError) {
    EmulatorOptions options;
    options.ArticleFile = "/nonexistent/articles.txt";
    EXPECT_THROW(TalonEmulator{options}, std::runtime_error);
}

struct PacingCase {
    int Baud;
    int DelayMs;
};

class EmulatorPacing : public ::testing::TestWithParam<PacingCase> {};

// The exchange cannot end before its bytes could have crossed the line both ways.
TEST_P(EmulatorPacing, ExchangeTakesAtLeastItsLineTimeAndDelay) {
    EmulatorOptions options;
    options.BaudRate = GetParam().Baud;
    options.CommandDelayMs = GetParam().DelayMs;
    TalonEmulator emulator(options);
    emulator.Start();
    LineClient line(emulator.DevicePath());
    const auto start = std::chrono::steady_clock::now();
    const std::string reply = line.Exchange("$s");
    const auto elapsed = std::chrono::steady_clock::now() - start;
    ASSERT_GT(reply.size(), 60u);
    const double bytes = static_cast<double>(Framed("$s").size() + reply.size());
    const double lineSeconds = GetParam().Baud > 0 ? bytes * 10.0 / GetParam().Baud : 0.0;
    const double least = lineSeconds + GetParam().DelayMs / 1000.0;
    EXPECT_GE(std::chrono::duration<double>(elapsed).count(), least);
    EXPECT_LT(std::chrono::duration<double>(elapsed).count(), least + 3.0); // hang guard
}

INSTANTIATE_TEST_SUITE_P(Speeds, EmulatorPacing,
                         ::testing::Values(PacingCase{4800, 0}, PacingCase{19200, 0},
                                           PacingCase{0, 150}, PacingCase{9600, 100}),
                         [](const auto& info) {
                             return CaseName(info.param.Baud) + "_baud_" +
                                    CaseName(info.param.DelayMs) + "_ms_delay";
                         });

} // namespace
