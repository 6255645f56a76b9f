#include <ostream>
#include <random>

#include <gtest/gtest.h>

#include "article_test_files.h"
#include "articles/arrange.h"
#include "articles/article_file.h"

namespace {

// "КОРВАЛ ТАЛОН СР" in Windows-1251.
constexpr char SmallVersion[] = "\xCA\xCE\xD0\xC2\xC0\xCB \xD2\xC0\xCB\xCE\xCD \xD1\xD0";

void Put(ArticleTable& table, int index, const char* name, const char* code) {
    table[index].SetDescription(name);
    table[index].SetCode(code);
    table[index].SetPrice(1);
}

std::string NameAt(const ArticleTable& table, int index) {
    return table[index].Name().Text();
}

bool SameTables(const ArticleTable& a, const ArticleTable& b) {
    for (int i = 0; i < ArticleTableSize; ++i) {
        if (a[i].ToFileText('\t') != b[i].ToFileText('\t')) {
            return false;
        }
    }
    return true;
}

TEST(LocationLimit, ByVersionText) {
    EXPECT_EQ(LocationLimitFor(ECRString(SmallVersion)), 1400);
    EXPECT_EQ(LocationLimitFor(ECRString("")), 2400);
    EXPECT_EQ(LocationLimitFor(ECRString((std::string(SmallVersion) + " ").c_str())), 2400);
    EXPECT_EQ(LocationLimitFor(ECRString(std::string(SmallVersion, 14).c_str())), 2400);
    EXPECT_EQ(LocationLimitFor(ECRString("TALON 1.02")), 2400);
}

TEST(ExchangeArticles, WholeRecords) {
    ArticleTable table;
    table[4] = RegisterArticle("A", "1", 17);
    table[4].SetMinPrice(true);
    Put(table, 9, "B", "2");
    ExchangeArticles(table, 4, 9);
    EXPECT_EQ(NameAt(table, 4), "B");
    EXPECT_EQ(table[4].GetThisID(), 0);
    EXPECT_EQ(NameAt(table, 9), "A");
    EXPECT_EQ(table[9].GetThisID(), 17);
    EXPECT_TRUE(table[9].GetMinPrice());
}

TEST(ArrangeByBarcode, SmallBarcodesGoToTheirLocations) {
    ArticleTable table;
    Put(table, 2, "pet", "5");
    Put(table, 3, "tri", "3");
    Put(table, 4, "cetiri", "4");
    ArrangeByBarcode(table, LocationLimit);
    EXPECT_EQ(NameAt(table, 3), "tri");
    EXPECT_EQ(NameAt(table, 4), "cetiri");
    EXPECT_EQ(NameAt(table, 5), "pet");
    for (int i : {0, 1, 2}) {
        EXPECT_EQ(NameAt(table, i), "") << i;
    }
}

TEST(ArrangeByBarcode, SameValueFirstComeTakesTheLocation) {
    ArticleTable table;
    Put(table, 2, "sto", "100");
    Put(table, 3, "nula sto", "0100");
    ArrangeByBarcode(table, LocationLimit);
    EXPECT_EQ(NameAt(table, 100), "sto");
    EXPECT_EQ(NameAt(table, 3), "nula sto");
    EXPECT_EQ(NameAt(table, 2), "");
}

TEST(ArrangeByBarcode, OneAndLongBarcodesStay) {
    ArticleTable table;
    Put(table, 2, "jedan", "1");
    Put(table, 3, "dugi", "5000000000000");
    Put(table, 4, "nula", "0");
    Put(table, 5, "minus", "-7");
    ArrangeByBarcode(table, LocationLimit);
    EXPECT_EQ(NameAt(table, 2), "jedan");
    EXPECT_EQ(NameAt(table, 3), "dugi");
    EXPECT_EQ(NameAt(table, 4), "nula");
    EXPECT_EQ(NameAt(table, 5), "minus");
}

struct LimitCase {
    const char* Version;
    const char* Code;
    int Target; // where the article at index 2 ends
};

void PrintTo(const LimitCase& c, std::ostream* os) {
    *os << "limit " << LocationLimitFor(ECRString(c.Version)) << ", barcode " << c.Code;
}

class ArrangeLimit : public ::testing::TestWithParam<LimitCase> {};

TEST_P(ArrangeLimit, PlacesOnlyBelowLimit) {
    ArticleTable table;
    Put(table, 2, "a", GetParam().Code);
    ArrangeByBarcode(table, LocationLimitFor(ECRString(GetParam().Version)));
    EXPECT_EQ(NameAt(table, GetParam().Target), "a");
}

INSTANTIATE_TEST_SUITE_P(
    Versions, ArrangeLimit,
    ::testing::Values(LimitCase{SmallVersion, "1500", 2}, LimitCase{"", "1500", 1500},
                      LimitCase{SmallVersion, "1399", 1399}, LimitCase{SmallVersion, "1400", 2},
                      LimitCase{"", "2400", 2}, LimitCase{SmallVersion, "2400", 2},
                      LimitCase{"", "2399", 2399}, LimitCase{SmallVersion, "2399", 2}));

TEST(ArrangeByBarcode, LeadingDigitsCount) {
    ArticleTable table;
    Put(table, 2, "a", "100A");
    ArrangeByBarcode(table, LocationLimit);
    EXPECT_EQ(NameAt(table, 100), "a");
}

TEST(ArrangeByBarcode, DisplacedArticleTakesTheOldIndex) {
    ArticleTable table;
    Put(table, 2, "sedam", "7");
    Put(table, 7, "slova", "abc");
    ArrangeByBarcode(table, LocationLimit);
    EXPECT_EQ(NameAt(table, 7), "sedam");
    EXPECT_EQ(NameAt(table, 2), "slova");
}

TEST(ArrangeByBarcode, LastIndexExchangesWithTarget) {
    ArticleTable table;
    Put(table, 2999, "pedeset", "50");
    Put(table, 50, "slova", "xyz");
    ArrangeByBarcode(table, LocationLimit);
    EXPECT_EQ(NameAt(table, 50), "pedeset");
    EXPECT_EQ(NameAt(table, 2999), "slova");
}

TEST(ArrangeByBarcode, FractionalBarcodeIsNeverPlaced) {
    ArticleTable table;
    Put(table, 2, "pola", "12.5");
    Put(table, 3, "dvanaest", "12");
    Put(table, 12, "sedam desetina", "12.7");
    Put(table, 4, "cetiri", "4.0");         // a whole value written with a fraction still counts
    ArrangeByBarcode(table, LocationLimit); // must end
    EXPECT_EQ(NameAt(table, 2), "pola");
    EXPECT_EQ(NameAt(table, 12), "dvanaest");
    EXPECT_EQ(NameAt(table, 3), "sedam desetina");
    EXPECT_EQ(NameAt(table, 4), "cetiri");
}

TEST(ArrangeByBarcode, TwiceEqualsOnce) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> code(0, 60);
    ArticleTable table;
    for (int i = 2; i < 80; ++i) {
        const int c = code(random);
        const std::string text = c > 55 ? "x" + std::to_string(c) : std::to_string(c);
        Put(table, i, ("a" + std::to_string(i)).c_str(), text.c_str());
    }
    ArrangeByBarcode(table, LocationLimit);
    ArticleTable again = table;
    ArrangeByBarcode(again, LocationLimit);
    EXPECT_TRUE(SameTables(table, again));
    for (int i = 0; i < 80; ++i) {
        const double v = std::atof(table[i].Barcode().Text());
        if (table[i].Barcode().GetLength() > 0 && v > 1 && v < 80 && v != i) {
            EXPECT_EQ(std::atof(table[static_cast<int>(v)].Barcode().Text()), v) << i;
        }
    }
}

TEST(ArrangeByBarcode, SpreadsheetExport) {
    ArticleTable table;
    ASSERT_EQ(LoadArticles(TALON_SAMPLES_DIR "/artikli-libreoffice.txt", table).Taken, 16);
    ArticleTable small = table;
    ArrangeByBarcode(table, LocationLimit);
    const std::pair<int, const char*> where[] = {{3, "Mleko 2.8% 1l"},
                                                 {4, "Sok Jabuka 1l"},
                                                 {6, ""},
                                                 {7, "Zvake"},
                                                 {9, "Sljivovica 0.7l"},
                                                 {11, ""},
                                                 {12, "Devrek"},
                                                 {13, "Jabuke crvene"},
                                                 {15, "Vrlo dugacak naziv artikla preko sesnaest"},
                                                 {16, ""},
                                                 {17, "Hleb 12.5"},
                                                 {100, "Cokolada mlecna 100g"},
                                                 {1500, "Keks 1500"},
                                                 {2399, "Pivo, limenka 0.5l"}};
    for (const auto& [index, name] : where) {
        EXPECT_EQ(NameAt(table, index), name) << index;
    }
    EXPECT_STREQ(table[2].GetCode().Text(), "8600043000017");
    EXPECT_STREQ(table[5].GetCode().Text(), "5");
    EXPECT_STREQ(table[14].GetCode().Text(), "5");
    EXPECT_STREQ(table[10].GetCode().Text(), "2400");
    ArrangeByBarcode(small, SmallLocationLimit);
    EXPECT_EQ(NameAt(small, 16), "Keks 1500");
    EXPECT_EQ(NameAt(small, 1500), "");
}

} // namespace
