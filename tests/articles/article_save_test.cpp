#include <gtest/gtest.h>

#include <iterator>

#include "article_test_files.h"
#include "articles/article_file.h"
#include "quoted_names.h"

namespace {

const std::u16string HeadingLine = u"Naziv\tBarkod\tCena\tPoreska stopa\tOdeljenje\tAmbalaza\t"
                                   u"Fiksna cena\tMax cena\tMin cena\tJedinica mere\tKolicina\t"
                                   u"Promet\r\n";

TEST(SaveArticles, ExactBytes) {
    TempDir dir;
    ArticleTable table;
    table[0] = RegisterArticle("\xD5\xEB\xE5\xE1", "860", 17); // "Хлеб"
    table[0].SetPrice(5);
    table[3] = RegisterArticle("Sok", "4", 3);
    table[3].SetPrice(1234.5);
    table[3].SetMaxPrice(true);
    table[7].SetDescription("bez broja"); // ThisID 0: not in the register, not saved
    ASSERT_TRUE(SaveArticles(dir.File("a.txt"), table));
    const std::u16string expected = HeadingLine +
                                    u"\"Хлеб\"\t860\t5.00\t0\t0\t0\t0\t0\t0\t0\t0.000\t0.00\r\n" +
                                    u"\"Sok\"\t4\t1234.50\t0\t0\t0\t0\t1\t0\t0\t0.000\t0.00\r\n";
    EXPECT_EQ(ReadBytes(dir.File("a.txt")), Utf16Bytes(expected));
}

TEST(SaveArticles, EmptyTableGivesHeadingOnly) {
    TempDir dir;
    const ArticleTable table;
    ASSERT_TRUE(SaveArticles(dir.File("a.txt"), table));
    EXPECT_EQ(ReadBytes(dir.File("a.txt")), Utf16Bytes(HeadingLine));
}

TEST(SaveArticles, SavedFileLoadsBackWhole) {
    TempDir dir;
    ArticleTable saved;
    saved[0] = RegisterArticle("Prvi \"A\"", "111", 1);
    saved[0].SetPrice(3.14);
    saved[0].SetTaxRate(2);
    saved[0].SetDepartment(3);
    saved[0].SetContainer(4);
    saved[0].SetPriceFixed(true);
    saved[0].SetMeasurement(5);
    saved[5].FromECRText(WithSep("Drugi\n222\n1250\t1|1|1|0|1|0|6|2500\t-790\t5\t9").c_str());
    saved[9].FromECRText(WithSep("Treci\n333\n99\t0|0|0|0|0|1|0|12345\t487375\t9\t0").c_str());
    ASSERT_TRUE(SaveArticles(dir.File("a.txt"), saved));
    ArticleTable loaded;
    ASSERT_EQ(LoadArticles(dir.File("a.txt"), loaded).Taken, 3);
    // Every field comes back: flags in their own places, counters with their decimals.
    EXPECT_EQ(Fields(loaded[FirstLoadedLocation], false), "Prvi \"A\"|111|3.14|2|3|4|1|0|0|5|0|0");
    EXPECT_EQ(Fields(loaded[FirstLoadedLocation + 1], false),
              "Drugi|222|12.5|1|1|1|0|1|0|6|2.5|-7.9");
    EXPECT_EQ(Fields(loaded[FirstLoadedLocation + 2], false),
              "Treci|333|0.99|0|0|0|0|0|1|0|12.345|4873.75");
}

TEST(SaveArticles, ReplacesOldFileAndLeavesNoTemporary) {
    TempDir dir;
    WriteBytes(dir.File("a.txt"), "old content that is longer than the new");
    const ArticleTable table;
    ASSERT_TRUE(SaveArticles(dir.File("a.txt"), table));
    EXPECT_EQ(ReadBytes(dir.File("a.txt")), Utf16Bytes(HeadingLine));
    EXPECT_EQ(FilesIn(dir.Dir()), 1);
}

// The name reaches the disk as the user typed it, whatever the system's code page.
TEST(SaveArticles, NonAsciiNameRoundTrips) {
    TempDir dir;
    const std::string name = "цене.txt";
    ArticleTable saved;
    saved[0] = RegisterArticle("Hleb", "860", 17);
    saved[0].SetPrice(5);
    ASSERT_TRUE(SaveArticles(dir.File(name), saved));
    EXPECT_EQ(NamesIn(dir.Dir()), std::vector<std::string>{name});
    ArticleTable loaded;
    EXPECT_EQ(LoadArticles(dir.File(name), loaded).Taken, 1);
    EXPECT_EQ(Fields(loaded[FirstLoadedLocation], false), "Hleb|860|5|0|0|0|0|0|0|0|0|0");
}

TEST(SaveArticles, ReplacesFileNamedRelativeToCurrentFolder) {
    TempDir dir;
    WriteBytes(dir.File("kasa.txt"), "old");
    const CurrentFolder inside(dir.Dir());
    ASSERT_TRUE(SaveArticles("kasa.txt", ArticleTable()));
    EXPECT_EQ(ReadBytes(dir.File("kasa.txt")), Utf16Bytes(HeadingLine));
    EXPECT_EQ(FilesIn(dir.Dir()), 1);
}

TEST(SaveArticles, ParentIsRegularFile) {
    TempDir dir;
    WriteBytes(dir.File("plain"), "x");
    ArticleTable table;
    table[2] = RegisterArticle("A", "1", 2);
    EXPECT_FALSE(SaveArticles(dir.File("plain/a.txt"), table));
    EXPECT_EQ(ReadBytes(dir.File("plain")), "x");
    EXPECT_EQ(FilesIn(dir.Dir()), 1);
}

TEST(SaveArticles, FailureLeavesOldFileIntact) {
    TempDir dir;
    // The longest name a directory takes: the file exists, but no temporary name beside it
    // can be made, so the save fails before touching it.
    const std::string target = dir.File(std::string(255, 'a'));
    WriteBytes(target, "old");
    ASSERT_EQ(ReadBytes(target), "old");
    ArticleTable table;
    table[2] = RegisterArticle("A", "1", 2);
    EXPECT_FALSE(SaveArticles(target, table));
    EXPECT_EQ(ReadBytes(target), "old");
    EXPECT_EQ(FilesIn(dir.Dir()), 1);
}

TEST(SaveArticles, FolderInTheWayIsLeftAsItWas) {
    TempDir dir;
    const std::string target = dir.File("a.txt");
    std::filesystem::create_directory(target);
    WriteBytes(target + "/inside", "kept");
    ArticleTable table;
    table[2] = RegisterArticle("A", "1", 2);
    EXPECT_FALSE(SaveArticles(target, table));
    EXPECT_EQ(ReadBytes(target + "/inside"), "kept");
    EXPECT_EQ(FilesIn(dir.Dir()), 1); // no temporary left behind
}

TEST(SaveArticles, LongLineWrittenWhole) {
    TempDir dir;
    ArticleTable table;
    const std::string name(1200, 'n');
    table[1] = RegisterArticle(name.c_str(), "1", 1);
    ASSERT_TRUE(SaveArticles(dir.File("a.txt"), table));
    const std::string bytes = ReadBytes(dir.File("a.txt"));
    const std::string line = "\"" + name + "\"\t1\t0.00\t0\t0\t0\t0\t0\t0\t0\t0.000\t0.00\r\n";
    EXPECT_EQ(bytes,
              Utf16Bytes(HeadingLine) + Utf16Bytes(std::u16string(line.begin(), line.end())));
}

TEST(SaveArticles, QuoteInsideANameIsDoubled) {
    TempDir dir;
    ArticleTable table;
    table[4] = RegisterArticle("\"Sok\" A\"", "4", 4);
    ASSERT_TRUE(SaveArticles(dir.File("a.txt"), table));
    const std::u16string line =
        u"\"\"\"Sok\"\" A\"\"\"\t4\t0.00\t0\t0\t0\t0\t0\t0\t0\t0.000\t0.00\r\n";
    EXPECT_EQ(ReadBytes(dir.File("a.txt")), Utf16Bytes(HeadingLine + line));
}

class SavedNameLoadsBack : public ::testing::TestWithParam<NameCase> {};

TEST_P(SavedNameLoadsBack, ExactlyAsItWas) {
    TempDir dir;
    ArticleTable saved;
    saved[2] = RegisterArticle(GetParam().Name, "2", 2);
    saved[2].SetPrice(10);
    saved[3] = RegisterArticle("Posle", "3", 3); // the name did not run into the next line
    saved[3].SetPrice(20);
    ASSERT_TRUE(SaveArticles(dir.File("a.txt"), saved));
    ArticleTable loaded;
    ASSERT_EQ(LoadArticles(dir.File("a.txt"), loaded).Taken, 2);
    EXPECT_EQ(Fields(loaded[FirstLoadedLocation], false),
              std::string(GetParam().Name) + "|2|10|0|0|0|0|0|0|0|0|0");
    EXPECT_EQ(Fields(loaded[FirstLoadedLocation + 1], false), "Posle|3|20|0|0|0|0|0|0|0|0|0");
}

INSTANTIATE_TEST_SUITE_P(Names, SavedNameLoadsBack, ::testing::ValuesIn(QuotedNames),
                         [](const ::testing::TestParamInfo<NameCase>& info) {
                             return std::string(info.param.Title);
                         });

} // namespace
