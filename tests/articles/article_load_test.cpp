#include <gtest/gtest.h>

#include "article_test_files.h"
#include "articles/article_file.h"

namespace {

const std::string SampleFile = TALON_SAMPLES_DIR "/artikli-libreoffice.txt";
const std::u16string Heading = u"Naziv\tBarkod\tCena\r\n";

struct Expected {
    int Index;
    const char* Name; // Windows-1251
    const char* Code;
    double Price;
};

// The sample's lines 2 to 20 worked out by hand: lines 15 (price 0), 16 (no name) and 17
// (no barcode) are skipped, so the articles after them move up.
const Expected SampleArticles[] = {
    {2, "\xD5\xEB\xE5\xE1 \xE1\xE5\xEB\xE8 500\xE3", "5", 45.5},
    {3, "Mleko 2.8% 1l", "3", 89.99},
    {4, "Sok Jabuka 1l", "4", 120},
    {5, "\xA3\xEE\xE3\xF3\xF0\xF2 180\xE3", "8600043000017", 75.2},
    {6, "Cokolada mlecna 100g", "100", 150},
    {7, "Sljivovica 0.7l", "100", 1450},
    {8, "\xCA\xE0\xF4\xE0 \xEC\xEB\xE5\xE2\xE5\xED\xE0 200\xE3", "8606101234567", 389.9},
    {9, "Zvake", "7", 30},
    {10, "Devrek", "12", 55},
    {11, "Pivo, limenka 0.5l", "2399", 95},
    {12, "\xCA\xF0\xEE\xEC\xEF\xE8\xF0", "2400", 69.99},
    {13, "Jabuke crvene", "1", 119},
    {14, "\xC1\xE0\xED\xE0\xED\xE5", "5", 159},
    {15, "Vrlo dugacak naziv artikla preko sesnaest", "8600000000001234", 10},
    {16, "Keks 1500", "1500", 85},
    {17, "Hleb 12.5", "12.5", 40},
};

std::string FileOf(const std::u16string& text) {
    return Utf16Bytes(text);
}

TEST(LoadArticles, SpreadsheetExport) {
    ArticleTable table;
    const LoadOutcome outcome = LoadArticles(SampleFile, table);
    EXPECT_TRUE(outcome.Opened);
    EXPECT_EQ(outcome.Taken, 16);
    EXPECT_EQ(outcome.LinesNotTaken, 0);
    for (const Expected& e : SampleArticles) {
        SCOPED_TRACE(e.Index);
        EXPECT_STREQ(table[e.Index].GetDescription().Text(), e.Name);
        EXPECT_STREQ(table[e.Index].GetCode().Text(), e.Code);
        EXPECT_DOUBLE_EQ(table[e.Index].GetPrice(), e.Price);
    }
    for (int i : {0, 1, 18, 19, 2999}) {
        EXPECT_EQ(table[i].Name().GetLength(), 0u) << i;
    }
}

TEST(LoadArticles, SpreadsheetExportOtherFields) {
    ArticleTable table;
    LoadArticles(SampleFile, table);
    EXPECT_TRUE(table[3].GetPriceFixed()); // Mleko
    EXPECT_EQ(table[3].GetMeasurement(), 1);
    EXPECT_TRUE(table[4].GetMaxPrice()); // Sok: field 8
    EXPECT_FALSE(table[4].GetMinPrice());
    EXPECT_TRUE(table[5].GetMinPrice()); // Jogurt: field 9
    EXPECT_DOUBLE_EQ(table[8].GetQuantitySold(), 12.5);
    EXPECT_DOUBLE_EQ(table[8].GetTurnover(), 4873.75);
    EXPECT_EQ(table[11].GetContainer(), 1);
    EXPECT_EQ(table[11].GetTaxRate(), 2);
    EXPECT_EQ(table[12].GetDepartment(), 5);
}

TEST(LoadArticles, SkippedLinesLeaveNoGap) {
    TempDir dir;
    const std::string path = dir.File("a.txt");
    WriteBytes(path, FileOf(Heading + u"A\t1\t5\r\n"
                                      u"\t2\t5\r\n"   // no name
                                      u"B\t\t5\r\n"   // no barcode
                                      u"C\t3\t0\r\n"  // price 0
                                      u"D\t4\t-1\r\n" // price below 0
                                      u"E\t5\r\n"     // no price field
                                      u"F\t6\t2.5\r\n"
                                      u"G\t7\t0\r\n")); // rejected last line
    ArticleTable table;
    const LoadOutcome outcome = LoadArticles(path, table);
    EXPECT_EQ(outcome.Taken, 2);
    EXPECT_STREQ(table[2].GetDescription().Text(), "A");
    EXPECT_STREQ(table[3].GetDescription().Text(), "F");
    EXPECT_EQ(table[4].Name().GetLength(), 0u);
    EXPECT_EQ(table[4].Barcode().GetLength(), 0u);
    EXPECT_EQ(table[4].GetPrice(), 0.0);
}

TEST(LoadArticles, FirstLineAlwaysDiscarded) {
    TempDir dir;
    const std::string path = dir.File("a.txt");
    WriteBytes(path, FileOf(u"A\t1\t5\r\nB\t2\t6\r\n"));
    ArticleTable table;
    EXPECT_EQ(LoadArticles(path, table).Taken, 1);
    EXPECT_STREQ(table[2].GetDescription().Text(), "B");
}

TEST(LoadArticles, LastLineWithoutLineEnd) {
    TempDir dir;
    const std::string path = dir.File("a.txt");
    WriteBytes(path, FileOf(Heading + u"A\t1\t5"));
    ArticleTable table;
    EXPECT_EQ(LoadArticles(path, table).Taken, 1);
    EXPECT_DOUBLE_EQ(table[2].GetPrice(), 5.0);
}

TEST(LoadArticles, LongLineReadInPieces) {
    TempDir dir;
    const std::string path = dir.File("a.txt");
    // 1500 code units with the line end: a piece of exactly 999 (an article whose fourth
    // field runs to the cut) and a piece of 501 that starts right at "Kraj".
    const std::u16string first = u"Dugo\t77\t3\t";
    const std::u16string second = u"Kraj\t88\t4\t";
    const std::u16string padding1(999 - first.size(), u'x');
    const std::u16string padding2(501 - second.size() - 2, u'y');
    const std::u16string line = first + padding1 + second + padding2 + u"\r\n";
    ASSERT_EQ(line.size(), 1500u);
    WriteBytes(path, FileOf(Heading + line + u"Posle\t99\t5\r\n"));
    ArticleTable table;
    EXPECT_EQ(LoadArticles(path, table).Taken, 3);
    EXPECT_STREQ(table[2].GetCode().Text(), "77");
    EXPECT_DOUBLE_EQ(table[2].GetPrice(), 3.0);
    EXPECT_STREQ(table[3].GetDescription().Text(), "Kraj");
    EXPECT_STREQ(table[3].GetCode().Text(), "88");
    EXPECT_STREQ(table[4].GetDescription().Text(), "Posle");
}

TEST(LoadArticles, CutSurrogatePairBecomesQuestionMark) {
    TempDir dir;
    const std::string path = dir.File("a.txt");
    // The pair's first unit is unit 999 of the line: the first piece is one long name
    // (no barcode, skipped), the second starts with the pair's lone second unit.
    const std::u16string line = std::u16string(998, u'x') + u"\U0001F600" + u"\t5\t6\r\n";
    WriteBytes(path, FileOf(Heading + line));
    ArticleTable table;
    EXPECT_EQ(LoadArticles(path, table).Taken, 1);
    EXPECT_STREQ(table[2].GetDescription().Text(), "?");
    EXPECT_STREQ(table[2].GetCode().Text(), "5");
}

TEST(LoadArticles, ByteOrderMarkOnlyInFirstLine) {
    TempDir dir;
    const std::string path = dir.File("a.txt");
    WriteBytes(path, FileOf(u"\uFEFFA\t1\t5\nB\t2\t6\n"));
    ArticleTable table;
    EXPECT_EQ(LoadArticles(path, table).Taken, 1);
    EXPECT_STREQ(table[2].GetDescription().Text(), "B");
}

TEST(LoadArticles, FileOfOneLineTakesNothing) {
    TempDir dir;
    const std::string path = dir.File("a.txt");
    WriteBytes(path, FileOf(u"A\t1\t5\r\n"));
    ArticleTable table;
    const LoadOutcome outcome = LoadArticles(path, table);
    EXPECT_TRUE(outcome.Opened);
    EXPECT_EQ(outcome.Taken, 0);
}

TEST(LoadArticles, EmptyFileTakesNothing) {
    TempDir dir;
    const std::string path = dir.File("a.txt");
    WriteBytes(path, "");
    ArticleTable table;
    const LoadOutcome outcome = LoadArticles(path, table);
    EXPECT_TRUE(outcome.Opened);
    EXPECT_EQ(outcome.Taken, 0);
}

TEST(LoadArticles, MissingFileClearsTable) {
    TempDir dir;
    ArticleTable table;
    table[5].SetDescription("staro");
    const LoadOutcome outcome = LoadArticles(dir.File("nema.txt"), table);
    EXPECT_FALSE(outcome.Opened);
    EXPECT_EQ(outcome.Taken, 0);
    EXPECT_EQ(table[5].Name().GetLength(), 0u);
}

TEST(LoadArticles, UnreadableDirectoryIsNotOpened) {
    TempDir dir;
    ArticleTable table;
    table[2].SetDescription("staro");
    const LoadOutcome outcome = LoadArticles(dir.Dir(), table);
    EXPECT_FALSE(outcome.Opened);
    EXPECT_EQ(table[2].Name().GetLength(), 0u);
}

TEST(LoadArticles, SecondLoadStartsFromClearedTable) {
    TempDir dir;
    const std::string a = dir.File("a.txt");
    const std::string b = dir.File("b.txt");
    WriteBytes(a, FileOf(Heading + u"A\t1\t5\r\nA2\t2\t5\r\n"));
    WriteBytes(b, FileOf(Heading + u"B\t1\t5\r\n"));
    ArticleTable table;
    LoadArticles(a, table);
    EXPECT_EQ(LoadArticles(b, table).Taken, 1);
    EXPECT_STREQ(table[2].GetDescription().Text(), "B");
    EXPECT_EQ(table[3].Name().GetLength(), 0u);
}

TEST(LoadArticles, StopsTakingWhenTableIsFull) {
    TempDir dir;
    const std::string path = dir.File("a.txt");
    std::u16string text = Heading;
    const int articles = 3010;
    for (int k = 0; k < articles; ++k) {
        const std::string line = "A" + std::to_string(k) + "\t" + std::to_string(k) + "\t1\r\n";
        text += std::u16string(line.begin(), line.end());
        if (k == 3000) {
            text += u"skip\t\t1\r\n"; // left over, but would never be taken
        }
    }
    WriteBytes(path, FileOf(text));
    ArticleTable table;
    const LoadOutcome outcome = LoadArticles(path, table);
    EXPECT_TRUE(outcome.Opened);
    EXPECT_EQ(outcome.Taken, 2998);
    EXPECT_EQ(outcome.LinesNotTaken, articles - 2998);
    EXPECT_FALSE(outcome.CountStopped);
    EXPECT_STREQ(table[2].GetDescription().Text(), "A0");
    EXPECT_STREQ(table[2999].GetDescription().Text(), "A2997");
}

TEST(LoadArticles, CountingLeftoversIsBounded) {
    TempDir dir;
    const std::string path = dir.File("a.txt");
    std::string bytes = FileOf(Heading);
    const std::string line = FileOf(u"A\t1\t1\n");
    const int lines = 2998 + MaxLinesCounted + 5;
    bytes.reserve(bytes.size() + line.size() * lines);
    for (int k = 0; k < lines; ++k) {
        bytes += line;
    }
    WriteBytes(path, bytes);
    ArticleTable table;
    const LoadOutcome outcome = LoadArticles(path, table);
    EXPECT_EQ(outcome.Taken, 2998);
    EXPECT_EQ(outcome.LinesNotTaken, MaxLinesCounted);
    EXPECT_TRUE(outcome.CountStopped);
}

TEST(LoadArticles, OddTrailingByteIgnored) {
    TempDir dir;
    const std::string path = dir.File("a.txt");
    WriteBytes(path, FileOf(Heading + u"A\t1\t5\r\n") + "x");
    ArticleTable table;
    EXPECT_EQ(LoadArticles(path, table).Taken, 1);
}

} // namespace
