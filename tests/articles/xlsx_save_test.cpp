// Saving the register's articles as an .xlsx workbook.
#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "article_test_files.h"
#include "articles/article_file.h"
#include "articles/save_by_name.h"
#include "articles/xlsx_save.h"
#include "tests/support/zip_entries.h"

namespace {

const char* const ZipSignature = "PK\x03\x04";
const char* const SheetEntry = "xl/worksheets/sheet1.xml";
const char* const StringsEntry = "xl/sharedStrings.xml";
const char* const StylesEntry = "xl/styles.xml";
constexpr int RoundTripArticles = 300;

std::string EntryOf(const std::string& path, const char* entry) {
    std::string content;
    EXPECT_TRUE(ReadZipEntry(path, entry, content)) << entry;
    return content;
}

bool Holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Two articles whose cells show each kind of column.
ArticleTable TwoArticles() {
    ArticleTable table;
    table[3] = RegisterArticle("\xD5\xEB\xE5\xE1", "0100", 3); // "Хлеб", a barcode with a 0 first
    table[3].SetPrice(65);
    table[3].SetTaxRate(2);
    table[3].SetMaxPrice(true);
    table[3].SetQuantitySold(2.5);
    table[9] = RegisterArticle("Kafa", "8600041234567", 9);
    table[9].SetPrice(1234.5);
    table[9].SetTurnover(113.75);
    table[12].SetDescription("bez broja"); // ThisID 0: not in the register, not saved
    return table;
}

TEST(SaveArticlesXlsx, OneSheetOfHeadingThenArticleRows) {
    TempDir dir;
    const std::string path = dir.File("artikli.xlsx");
    ASSERT_TRUE(SaveArticlesXlsx(path, TwoArticles()));
    EXPECT_EQ(ReadBytes(path).substr(0, 4), ZipSignature);
    const std::string workbook = EntryOf(path, "xl/workbook.xml");
    EXPECT_TRUE(Holds(workbook, "<sheet name=\"Artikli\" sheetId=\"1\"")) << workbook;
    EXPECT_FALSE(Holds(workbook, "sheetId=\"2\""));

    const std::string strings = EntryOf(path, StringsEntry);
    for (const char* text : {"<t>Naziv</t>", "<t>Barkod</t>", "<t>Max cena</t>", "<t>Promet</t>",
                             "<t>\xD0\xA5\xD0\xBB\xD0\xB5\xD0\xB1</t>", "<t>0100</t>",
                             "<t>8600041234567</t>", "<t>Kafa</t>"}) {
        EXPECT_TRUE(Holds(strings, text)) << text << " not in " << strings;
    }
    EXPECT_FALSE(Holds(strings, "bez broja"));

    const std::string sheet = EntryOf(path, SheetEntry);
    EXPECT_TRUE(Holds(sheet, "<row r=\"3\"")) << sheet;
    EXPECT_FALSE(Holds(sheet, "<row r=\"4\""));
    // The barcodes are text cells (shared strings), the amounts numbers.
    EXPECT_TRUE(Holds(sheet, "<c r=\"B2\" s=\"1\" t=\"s\">")) << sheet;
    EXPECT_TRUE(Holds(sheet, "<c r=\"B3\" s=\"1\" t=\"s\">"));
    EXPECT_TRUE(Holds(sheet, "<c r=\"C2\" s=\"2\"><v>65</v></c>"));
    EXPECT_TRUE(Holds(sheet, "<c r=\"C3\" s=\"2\"><v>1234.5</v></c>"));
    EXPECT_TRUE(Holds(sheet, "<c r=\"D2\"><v>2</v></c>"));
    EXPECT_TRUE(Holds(sheet, "<c r=\"H2\"><v>1</v></c>")); // MaxPrice, the text file's order
    EXPECT_TRUE(Holds(sheet, "<c r=\"I2\"><v>0</v></c>"));
    EXPECT_TRUE(Holds(sheet, "<c r=\"K2\"><v>2.5</v></c>"));
    EXPECT_TRUE(Holds(sheet, "<c r=\"L3\"><v>113.75</v></c>"));

    const std::string styles = EntryOf(path, StylesEntry);
    EXPECT_TRUE(Holds(styles, "formatCode=\"0.00\"")) << styles;
}

TEST(SaveArticlesXlsx, EmptyTableGivesHeadingOnly) {
    TempDir dir;
    const std::string path = dir.File("prazno.xlsx");
    ASSERT_TRUE(SaveArticlesXlsx(path, ArticleTable()));
    const std::string sheet = EntryOf(path, SheetEntry);
    EXPECT_TRUE(Holds(sheet, "<row r=\"1\"")) << sheet;
    EXPECT_FALSE(Holds(sheet, "<row r=\"2\""));
}

// The amounts hold what the text file would write: prices to the hundredth, quantities to
// the thousandth, and no infinity.
TEST(SaveArticlesXlsx, AmountsRoundedAsInTheTextFile) {
    TempDir dir;
    ArticleTable table;
    table[1] = RegisterArticle("A", "1", 1);
    table[1].SetPrice(3.14159);
    table[1].SetQuantitySold(1.23456);
    table[1].SetTurnover(std::numeric_limits<double>::infinity());
    const std::string path = dir.File("a.xlsx");
    ASSERT_TRUE(SaveArticlesXlsx(path, table));
    const std::string sheet = EntryOf(path, SheetEntry);
    EXPECT_TRUE(Holds(sheet, "<c r=\"C2\" s=\"2\"><v>3.14</v></c>")) << sheet;
    EXPECT_TRUE(Holds(sheet, "<c r=\"K2\"><v>1.235</v></c>"));
    EXPECT_TRUE(Holds(sheet, "<c r=\"L2\"><v>0</v></c>"));
}

TEST(SaveArticlesXlsx, ReplacesOldFileAndLeavesNoTemporary) {
    TempDir dir;
    const std::string path = dir.File("a.xlsx");
    WriteBytes(path, "old");
    ASSERT_TRUE(SaveArticlesXlsx(path, TwoArticles()));
    EXPECT_EQ(ReadBytes(path).substr(0, 4), ZipSignature);
    EXPECT_EQ(FilesIn(dir.Dir()), 1);
}

TEST(SaveArticlesXlsx, NonAsciiNameReachesTheDisk) {
    TempDir dir;
    const std::string name = "ценовник.xlsx";
    ASSERT_TRUE(SaveArticlesXlsx(dir.File(name), TwoArticles()));
    EXPECT_EQ(NamesIn(dir.Dir()), std::vector<std::string>{name});
    EXPECT_EQ(ReadBytes(dir.File(name)).substr(0, 4), ZipSignature);
}

struct FailureCase {
    const char* Name;
    std::string (*Target)(const TempDir& dir); // makes what stands in the way
    std::string Kept;                          // a file of the folder that must stay as it was
};

const std::string LongestName = std::string(250, 'a') + ".xlsx";

const FailureCase FailureCases[] = {
    // The longest name a folder takes: no temporary name beside it can be made.
    {"NoRoomForTheTemporaryName",
     [](const TempDir& dir) {
         WriteBytes(dir.File(LongestName), "old");
         return dir.File(LongestName);
     },
     LongestName},
    {"FolderInTheWay",
     [](const TempDir& dir) {
         std::filesystem::create_directory(PathOf(dir.File("a.xlsx")));
         WriteBytes(dir.File("a.xlsx/inside"), "old");
         return dir.File("a.xlsx");
     },
     "a.xlsx/inside"},
    {"ParentIsAFile",
     [](const TempDir& dir) {
         WriteBytes(dir.File("plain"), "old");
         return dir.File("plain/a.xlsx");
     },
     "plain"},
};

class SaveArticlesXlsxFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(SaveArticlesXlsxFailure, LeavesWhatWasThereAndNoTemporary) {
    TempDir dir;
    const std::string target = GetParam().Target(dir);
    EXPECT_FALSE(SaveArticlesXlsx(target, TwoArticles()));
    EXPECT_EQ(ReadBytes(dir.File(GetParam().Kept)), "old");
    EXPECT_EQ(FilesIn(dir.Dir()), 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, SaveArticlesXlsxFailure, ::testing::ValuesIn(FailureCases),
                         [](const ::testing::TestParamInfo<FailureCase>& info) {
                             return std::string(info.param.Name);
                         });

struct NameCase {
    const char* Label;
    const char* Path;
    bool Xlsx;
};

const NameCase NameCases[] = {
    {"Lower", "artikli.xlsx", true},    {"Upper", "ARTIKLI.XLSX", true},
    {"Mixed", "Artikli.XlSx", true},    {"Cyrillic", "C:/цене/ценовник.xlsx", true},
    {"OnlyTheEnding", ".xlsx", true},   {"Text", "artikli.txt", false},
    {"OldExcel", "artikli.xls", false}, {"XlsxThenText", "artikli.xlsx.txt", false},
    {"NoDot", "artiklixlsx", false},    {"Empty", "", false},
};

class XlsxName : public ::testing::TestWithParam<NameCase> {};

TEST_P(XlsxName, ChosenByTheEnding) {
    EXPECT_EQ(IsXlsxName(GetParam().Path), GetParam().Xlsx) << GetParam().Path;
}

INSTANTIATE_TEST_SUITE_P(Names, XlsxName, ::testing::ValuesIn(NameCases),
                         [](const ::testing::TestParamInfo<NameCase>& info) {
                             return std::string(info.param.Label);
                         });

TEST(SaveArticleList, WorkbookOrTextFileByTheName) {
    TempDir dir;
    const ArticleTable table = TwoArticles();
    ASSERT_TRUE(SaveArticleList(dir.File("a.XLSX"), table));
    ASSERT_TRUE(SaveArticleList(dir.File("a.txt"), table));
    ASSERT_TRUE(SaveArticleList(dir.File("a.csv"), table));
    EXPECT_EQ(ReadBytes(dir.File("a.XLSX")).substr(0, 4), ZipSignature);
    const std::string heading = Utf16Bytes(u"Naziv\t");
    EXPECT_EQ(ReadBytes(dir.File("a.txt")).substr(0, heading.size()), heading);
    EXPECT_EQ(ReadBytes(dir.File("a.csv")), ReadBytes(dir.File("a.txt")));
}

// Articles as a register holds them, in the register's code page: names in Latin and
// Cyrillic, barcodes of 1 to 13 digits (some with a 0 first), every field set.
class RandomArticles {
public:
    ArticleTable Table(int count) {
        ArticleTable table;
        for (int i = 0; i < count; ++i) {
            const int location = i + 1;
            table[location] = RegisterArticle(Name().c_str(), Barcode().c_str(), location);
            TalonPLUItem& item = table[location];
            item.SetPrice(Between(1, 9999999) / 100.0);
            item.SetTaxRate(Between(0, 6));
            item.SetDepartment(Between(1, 99));
            item.SetContainer(Between(0, 1));
            item.SetPriceFixed(Between(0, 1) == 1);
            item.SetMaxPrice(Between(0, 1) == 1);
            item.SetMinPrice(Between(0, 1) == 1);
            item.SetMeasurement(Between(0, 9));
            item.SetQuantitySold(Between(0, 9999999) / 1000.0);
            item.SetTurnover(Between(0, 99999999) / 100.0);
        }
        return table;
    }

private:
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(Engine); }
    std::string Name() {
        static const std::string Letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                           "\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xD0\xD8\xDF"
                                           "\xE0\xE1\xE2\xE3\xE4\xE5\xE6\xE7\xE8\xF0\xF8\xFF";
        static const std::string Inside = Letters + "0123456789 .,%-/";
        std::string name(1, Letters[Between(0, static_cast<int>(Letters.size()) - 1)]);
        for (int n = Between(0, 15); n > 0; --n) {
            name += Inside[Between(0, static_cast<int>(Inside.size()) - 1)];
        }
        return name;
    }
    std::string Barcode() {
        std::string code;
        for (int n = Between(1, 13); n > 0; --n) {
            code += static_cast<char>('0' + Between(0, 9));
        }
        return code;
    }

    std::mt19937 Engine{20261209};
};

// Needs LoadArticles to open workbooks: every article comes back, in order, from
// location 2 on (the heading row is no article).
TEST(SaveArticlesXlsx, RoundTripOfRandomArticles) {
    TempDir dir;
    const ArticleTable saved = RandomArticles().Table(RoundTripArticles);
    const std::string path = dir.File("kasa.xlsx");
    ASSERT_TRUE(SaveArticleList(path, saved));
    ArticleTable loaded;
    const LoadOutcome outcome = LoadArticles(path, loaded);
    EXPECT_TRUE(outcome.Opened);
    ASSERT_EQ(outcome.Taken, RoundTripArticles);
    for (int i = 0; i < RoundTripArticles; ++i) {
        EXPECT_EQ(Fields(loaded[FirstLoadedLocation + i], false), Fields(saved[i + 1], false))
            << "row " << i + 2;
    }
}

} // namespace
