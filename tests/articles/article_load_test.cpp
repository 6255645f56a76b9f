#include <gtest/gtest.h>

#include "article_test_files.h"
#include "articles/article_file.h"

namespace {

const std::string SampleFile = TALON_SAMPLES_DIR "/artikli-libreoffice.txt";
const std::u16string Heading = u"Naziv\tBarkod\tCena\r\n";

struct Expected {
    int Index;
    const char* Name; // Windows-1251
    const char* Rest; // the other fields as Fields gives them
};

// The sample's lines 2 to 20 worked out by hand: lines 15 (price 0), 16 (no name) and 17
// (no barcode) are skipped, so the articles after them move up. Loading reads field 8 as
// MaxPrice and field 9 as MinPrice.
const Expected SampleArticles[] = {
    {2, "\xD5\xEB\xE5\xE1 \xE1\xE5\xEB\xE8 500\xE3", "5|45.5|1|1|0|0|0|0|0|0|0"},
    {3, "Mleko 2.8% 1l", "3|89.99|1|2|0|1|0|0|1|0|0"},
    {4, "Sok \"Jabuka\" 1l", "4|120|2|2|0|0|1|0|0|0|0"},
    {5, "\xA3\xEE\xE3\xF3\xF0\xF2 180\xE3", "8600043000017|75.2|1|2|0|0|0|1|0|0|0"},
    {6, "Cokolada mlecna 100g", "100|150|1|3|0|0|0|0|0|0|0"},
    {7, "Sljivovica 0.7l", "100|1450|2|4|0|0|0|0|0|0|0"},
    {8, "\xCA\xE0\xF4\xE0 \xEC\xEB\xE5\xE2\xE5\xED\xE0 200\xE3",
     "8606101234567|389.9|1|3|0|0|0|0|0|12.5|4873.75"},
    {9, "Zvake", "7|30|1|3|0|0|0|0|0|0|0"},
    {10, "Devrek", "12|55|1|1|0|0|0|0|0|0|0"},
    {11, "Pivo, limenka 0.5l", "2399|95|2|4|1|0|0|0|0|0|0"},
    {12, "\xCA\xF0\xEE\xEC\xEF\xE8\xF0", "2400|69.99|1|5|0|0|0|0|2|0|0"},
    {13, "Jabuke crvene", "1|119|1|5|0|0|0|0|2|0|0"},
    {14, "\xC1\xE0\xED\xE0\xED\xE5", "5|159|1|5|0|0|0|0|2|0|0"},
    {15, "Vrlo dugacak naziv artikla preko sesnaest", "8600000000001234|10|1|1|0|0|0|0|0|0|0"},
    {16, "Keks 1500", "1500|85|1|3|0|0|0|0|0|0|0"},
    {17, "Hleb 12.5", "12.5|40|1|1|0|0|0|0|0|0|0"},
};

// A file of the given bytes in a fresh directory, loaded into Table.
class LoadFile : public ::testing::Test {
protected:
    LoadOutcome Load(const std::string& bytes) {
        WriteBytes(Dir.File("a.txt"), bytes);
        return LoadArticles(Dir.File("a.txt"), Table);
    }
    LoadOutcome Load(const std::u16string& text) { return Load(Utf16Bytes(text)); }

    TempDir Dir;
    ArticleTable Table;
};

TEST(LoadArticles, SpreadsheetExport) {
    ArticleTable table;
    const LoadOutcome outcome = LoadArticles(SampleFile, table);
    EXPECT_TRUE(outcome.Opened);
    EXPECT_EQ(outcome.Taken, 16);
    EXPECT_EQ(outcome.LinesNotTaken, 0);
    for (const Expected& e : SampleArticles) {
        EXPECT_EQ(Fields(table[e.Index], false), std::string(e.Name) + "|" + e.Rest) << e.Index;
    }
    for (int i : {0, 1, 18, 19, 2999}) {
        EXPECT_EQ(table[i].Name().GetLength(), 0u) << i;
    }
}

TEST_F(LoadFile, SkippedLinesLeaveNoGap) {
    const LoadOutcome outcome = Load(Heading + u"A\t1\t5\r\n"
                                               u"\t2\t5\r\n"   // no name
                                               u"B\t\t5\r\n"   // no barcode
                                               u"C\t3\t0\r\n"  // price 0
                                               u"D\t4\t-1\r\n" // price below 0
                                               u"E\t5\r\n"     // no price field
                                               u"F\t6\t2.5\r\n"
                                               u"G\t7\t0\r\n"); // rejected last line
    EXPECT_EQ(outcome.Taken, 2);
    EXPECT_STREQ(Table[2].GetDescription().Text(), "A");
    EXPECT_STREQ(Table[3].GetDescription().Text(), "F");
    EXPECT_EQ(Fields(Table[4]), "||0|0|0|0|0|0|0|0|0|0|0|0");
}

struct OneArticleCase {
    const char* Title;
    std::u16string Text;
    std::string Trailing; // raw bytes after the text
    int Taken;
    const char* Name; // what index 2 then holds
    const char* Code;
    double Price;
};

void PrintTo(const OneArticleCase& c, std::ostream* os) {
    *os << c.Title;
}

class LoadOneArticle : public LoadFile, public ::testing::WithParamInterface<OneArticleCase> {};

TEST_P(LoadOneArticle, TakesWhatTheLinesGive) {
    const OneArticleCase& c = GetParam();
    const LoadOutcome outcome = Load(Utf16Bytes(c.Text) + c.Trailing);
    EXPECT_TRUE(outcome.Opened);
    EXPECT_EQ(outcome.Taken, c.Taken);
    EXPECT_STREQ(Table[2].GetDescription().Text(), c.Name);
    EXPECT_STREQ(Table[2].GetCode().Text(), c.Code);
    EXPECT_DOUBLE_EQ(Table[2].GetPrice(), c.Price);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadOneArticle,
    ::testing::Values(
        OneArticleCase{"FirstLineAlwaysDiscarded", u"A\t1\t5\r\nB\t2\t6\r\n", "", 1, "B", "2", 6},
        OneArticleCase{"LastLineWithoutLineEnd", Heading + u"A\t1\t5", "", 1, "A", "1", 5},
        // The pair's first unit is unit 999 of the line: the first piece is one long name
        // (no barcode, skipped), the second starts with the pair's lone second unit.
        OneArticleCase{"CutSurrogatePairBecomesQuestionMark",
                       std::u16string(998, u'x') + u"\U0001F600" + u"\t5\t6\r\n", "", 1, "?", "5",
                       6},
        OneArticleCase{"ByteOrderMarkOnlyInFirstLine", u"\uFEFFA\t1\t5\nB\t2\t6\n", "", 1, "B", "2",
                       6},
        OneArticleCase{"FileOfOneLineTakesNothing", u"A\t1\t5\r\n", "", 0, "", "", 0},
        OneArticleCase{"EmptyFileTakesNothing", u"", "", 0, "", "", 0},
        OneArticleCase{"OddTrailingByteIgnored", Heading + u"A\t1\t5\r\n", "x", 1, "A", "1", 5}),
    [](const auto& info) { return std::string(info.param.Title); });

TEST_F(LoadFile, LongLineReadInPieces) {
    // 1500 code units with the line end: a piece of exactly 999 (an article whose fourth
    // field runs to the cut) and a piece of 501 that starts right at "Kraj". The padding
    // is a number, so that both pieces read without fault.
    const std::u16string first = u"Dugo\t77\t3\t";
    const std::u16string second = u"Kraj\t88\t4\t";
    const std::u16string padding1(999 - first.size(), u'0');
    const std::u16string padding2(501 - second.size() - 2, u'0');
    const std::u16string line = first + padding1 + second + padding2 + u"\r\n";
    ASSERT_EQ(line.size(), 1500u);
    EXPECT_EQ(Load(Heading + line + u"Posle\t99\t5\r\n").Taken, 3);
    EXPECT_STREQ(Table[2].GetCode().Text(), "77");
    EXPECT_DOUBLE_EQ(Table[2].GetPrice(), 3.0);
    EXPECT_STREQ(Table[3].GetDescription().Text(), "Kraj");
    EXPECT_STREQ(Table[3].GetCode().Text(), "88");
    EXPECT_STREQ(Table[4].GetDescription().Text(), "Posle");
}

TEST_F(LoadFile, MissingFileOrDirectoryIsNotOpenedAndClearsTable) {
    for (const std::string& path : {Dir.File("nema.txt"), Dir.Dir()}) {
        Table[5].SetDescription("staro");
        const LoadOutcome outcome = LoadArticles(path, Table);
        EXPECT_FALSE(outcome.Opened) << path;
        EXPECT_EQ(outcome.Taken, 0);
        EXPECT_EQ(Table[5].Name().GetLength(), 0u);
    }
}

TEST_F(LoadFile, SecondLoadStartsFromClearedTable) {
    Load(Heading + u"A\t1\t5\r\nA2\t2\t5\r\n");
    EXPECT_EQ(Load(Heading + u"B\t1\t5\r\n").Taken, 1);
    EXPECT_STREQ(Table[2].GetDescription().Text(), "B");
    EXPECT_EQ(Table[3].Name().GetLength(), 0u);
}

TEST_F(LoadFile, StopsTakingWhenTableIsFull) {
    std::u16string text = Heading;
    const int articles = 3010;
    for (int k = 0; k < articles; ++k) {
        const std::string line = "A" + std::to_string(k) + "\t" + std::to_string(k) + "\t1\r\n";
        text += std::u16string(line.begin(), line.end());
        if (k == 3000) {
            text += u"skip\t\t1\r\n"; // left over, but would never be taken
        }
    }
    const LoadOutcome outcome = Load(text);
    EXPECT_TRUE(outcome.Opened);
    EXPECT_EQ(outcome.Taken, 2998);
    EXPECT_EQ(outcome.LinesNotTaken, articles - 2998);
    EXPECT_FALSE(outcome.CountStopped);
    EXPECT_STREQ(Table[2].GetDescription().Text(), "A0");
    EXPECT_STREQ(Table[2999].GetDescription().Text(), "A2997");
}

TEST_F(LoadFile, CountingLeftoversIsBounded) {
    std::string bytes = Utf16Bytes(Heading);
    const std::string line = Utf16Bytes(u"A\t1\t1\n");
    const int lines = 2998 + MaxLinesCounted + 5;
    bytes.reserve(bytes.size() + line.size() * lines);
    for (int k = 0; k < lines; ++k) {
        bytes += line;
    }
    const LoadOutcome outcome = Load(bytes);
    EXPECT_EQ(outcome.Taken, 2998);
    EXPECT_EQ(outcome.LinesNotTaken, MaxLinesCounted);
    EXPECT_TRUE(outcome.CountStopped);
}

} // namespace
