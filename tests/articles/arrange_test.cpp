#include <ostream>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "article_test_files.h"
#include "articles/arrange.h"
#include "articles/article_file.h"
#include "tests/support/case_name.h"

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
    const std::string first = Fields(table[4]);
    const std::string second = Fields(table[9]);
    ExchangeArticles(table, 4, 9);
    EXPECT_EQ(Fields(table[4]), second);
    EXPECT_EQ(Fields(table[9]), first);
}

struct Entry {
    int Index;
    const char* Name;
    const char* Code;
};

struct Spot {
    int Index;
    const char* Name;
};

struct PlaceCase {
    const char* Title;
    std::vector<Entry> Before;
    std::vector<Spot> After; // the names at these indices afterwards
};

void PrintTo(const PlaceCase& c, std::ostream* os) {
    *os << c.Title;
}

class ArrangePlaces : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(ArrangePlaces, NamesEndAtTheirIndices) {
    ArticleTable table;
    for (const Entry& e : GetParam().Before) {
        Put(table, e.Index, e.Name, e.Code);
    }
    ArrangeByBarcode(table, LocationLimit); // must end
    for (const Spot& e : GetParam().After) {
        EXPECT_EQ(NameAt(table, e.Index), e.Name) << e.Index;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, ArrangePlaces,
    ::testing::Values(
        PlaceCase{"SmallBarcodesGoToTheirLocations",
                  {{2, "pet", "5"}, {3, "tri", "3"}, {4, "cetiri", "4"}},
                  {{3, "tri"}, {4, "cetiri"}, {5, "pet"}, {0, ""}, {1, ""}, {2, ""}}},
        PlaceCase{"SameValueFirstComeTakesTheLocation",
                  {{2, "sto", "100"}, {3, "nula sto", "0100"}},
                  {{100, "sto"}, {3, "nula sto"}, {2, ""}}},
        PlaceCase{
            "OneLongZeroAndNegativeStay",
            {{2, "jedan", "1"}, {3, "dugi", "5000000000000"}, {4, "nula", "0"}, {5, "minus", "-7"}},
            {{2, "jedan"}, {3, "dugi"}, {4, "nula"}, {5, "minus"}}},
        PlaceCase{"LeadingDigitsCount", {{2, "a", "100A"}}, {{100, "a"}}},
        PlaceCase{"DisplacedArticleTakesTheOldIndex",
                  {{2, "sedam", "7"}, {7, "slova", "abc"}},
                  {{7, "sedam"}, {2, "slova"}}},
        PlaceCase{"LastIndexExchangesWithTarget",
                  {{2999, "pedeset", "50"}, {50, "slova", "xyz"}},
                  {{50, "pedeset"}, {2999, "slova"}}},
        // A fractional barcode is never placed; a whole value written with a fraction is.
        PlaceCase{"FractionalBarcodeIsNeverPlaced",
                  {{2, "pola", "12.5"},
                   {3, "dvanaest", "12"},
                   {12, "sedam desetina", "12.7"},
                   {4, "cetiri", "4.0"}},
                  {{2, "pola"}, {12, "dvanaest"}, {3, "sedam desetina"}, {4, "cetiri"}}}),
    [](const auto& info) { return std::string(info.param.Title); });

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
                      LimitCase{"", "2399", 2399}, LimitCase{SmallVersion, "2399", 2}),
    [](const auto& info) {
        return "limit_" + CaseName(LocationLimitFor(ECRString(info.param.Version))) + "_barcode_" +
               CaseName(info.param.Code);
    });

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
                                                 {4, "Sok \"Jabuka\" 1l"},
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
