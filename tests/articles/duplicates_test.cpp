#include <ostream>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "articles/article_file.h"
#include "articles/duplicates.h"
#include "tests/support/case_name.h"

namespace {

struct Examined {
    std::vector<std::string> Lines;
    int Steps = 0;
};

Examined Examine(const ArticleTable& table) {
    Examined e;
    ExamineDuplicates(
        table, [&e](const ECRString& line) { e.Lines.emplace_back(line.Text()); },
        [&e] { ++e.Steps; });
    return e;
}

// The pair-by-pair walk, written as plainly as possible.
std::vector<std::string> ReferenceWalk(const ArticleTable& table) {
    std::vector<std::string> lines;
    for (int i = 0; i < ArticleTableSize; ++i) {
        if (table[i].Name().GetLength() == 0) {
            continue;
        }
        for (int j = i + 1; j < ArticleTableSize; ++j) {
            const auto pair = [i, j] {
                return std::to_string(i) + ", " + std::to_string(j) + " - ";
            };
            if (table[i].Name() == table[j].Name()) {
                lines.push_back(pair() + "\"" + table[i].Name().Text() + "\" - Dupliran naziv");
            }
            if (table[i].Barcode() == table[j].Barcode()) {
                lines.push_back(pair() + "[" + table[i].Barcode().Text() + "] - Dupliran barkod");
            }
        }
    }
    return lines;
}

void Put(ArticleTable& table, int index, const char* name, const char* code) {
    table[index].SetDescription(name);
    table[index].SetCode(code);
}

struct Entry {
    int Index;
    const char* Name;
    const char* Code;
};

struct LinesCase {
    const char* Title;
    std::vector<Entry> Entries;
    std::vector<std::string> Lines;
};

void PrintTo(const LinesCase& c, std::ostream* os) {
    *os << c.Title;
}

class ExamineLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(ExamineLines, InTheirOrder) {
    ArticleTable table;
    for (const Entry& e : GetParam().Entries) {
        Put(table, e.Index, e.Name, e.Code);
    }
    const Examined e = Examine(table);
    EXPECT_EQ(e.Lines, GetParam().Lines);
    EXPECT_EQ(e.Steps, ExamineSteps);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, ExamineLines,
    ::testing::Values(LinesCase{"NoDuplicatesNoLine", {{2, "Hleb", "1"}, {3, "Mleko", "2"}}, {}},
                      LinesCase{
                          "NameLineBeforeBarcodeLine",
                          {{2, "Hleb", "860"}, {5, "Hleb", "860"}},
                          {"2, 5 - \"Hleb\" - Dupliran naziv", "2, 5 - [860] - Dupliran barkod"}},
                      // Only the leading zero is no difference to the register.
                      LinesCase{"CaseAndTrailingSpaceDiffer",
                                {{2, "Hleb", "1"}, {3, "hleb", "1 "}, {4, "Hleb ", "01"}},
                                {"2, 4 - [1] / [01] - Isti barkod kao broj"}},
                      LinesCase{"ThreeEqualBarcodes",
                                {{3, "A", "77"}, {4, "B", "77"}, {9, "C", "77"}},
                                {"3, 4 - [77] - Dupliran barkod", "3, 9 - [77] - Dupliran barkod",
                                 "4, 9 - [77] - Dupliran barkod"}},
                      LinesCase{"EmptyBarcodeMatchesEmptyEntries",
                                {{2998, "bez barkoda", ""}},
                                {"2998, 2999 - [] - Dupliran barkod"}},
                      LinesCase{"CyrillicNameKeptAsCodePageBytes",
                                {{2, "\xD5\xEB\xE5\xE1", "1"}, {3, "\xD5\xEB\xE5\xE1", "2"}},
                                {"2, 3 - \"\xD5\xEB\xE5\xE1\" - Dupliran naziv"}}),
    [](const auto& info) { return std::string(info.param.Title); });

TEST(ExamineDuplicates, SpreadsheetExport) {
    ArticleTable table;
    LoadArticles(TALON_SAMPLES_DIR "/artikli-libreoffice.txt", table);
    const std::vector<std::string> expected = {"2, 14 - [5] - Dupliran barkod",
                                               "6, 7 - [100] - Dupliran barkod"};
    EXPECT_EQ(Examine(table).Lines, expected);
}

struct RandomCase {
    unsigned Seed;
    int Filled; // entries 0 .. Filled-1 get random texts, the rest stay empty
    int Pool;   // how many different texts to draw from
};

void PrintTo(const RandomCase& c, std::ostream* os) {
    *os << "seed " << c.Seed << ", " << c.Filled << " filled, pool " << c.Pool;
}

class ExamineRandom : public ::testing::TestWithParam<RandomCase> {};

// Texts close to each other (case, a trailing space, a leading zero, empty, Cyrillic).
std::string RandomText(std::mt19937& random, int pool) {
    static const char* const variants[] = {"", "a", "A", "a ", "0", "\xC0"};
    const int k = std::uniform_int_distribution<int>(0, pool - 1)(random);
    return k < 6 ? variants[k] : std::to_string(k);
}

TEST_P(ExamineRandom, SameLinesAsPairWalk) {
    std::mt19937 random(GetParam().Seed);
    ArticleTable table;
    for (int i = 0; i < GetParam().Filled; ++i) {
        Put(table, i, RandomText(random, GetParam().Pool).c_str(),
            RandomText(random, GetParam().Pool).c_str());
    }
    const Examined e = Examine(table);
    EXPECT_EQ(e.Lines, ReferenceWalk(table));
    EXPECT_FALSE(e.Lines.empty());
    EXPECT_EQ(e.Steps, ExamineSteps);
}

INSTANTIATE_TEST_SUITE_P(Tables, ExamineRandom,
                         ::testing::Values(RandomCase{1, 200, 8}, RandomCase{2, 300, 20},
                                           RandomCase{3, ArticleTableSize, 600},
                                           RandomCase{4, ArticleTableSize, 1500}),
                         [](const auto& info) {
                             const RandomCase& c = info.param;
                             return "seed_" + CaseName(c.Seed) + "_" + CaseName(c.Filled) +
                                    "_filled_" + CaseName(c.Pool) + "_texts";
                         });

} // namespace
