#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "articles/article_file.h"
#include "articles/duplicates.h"

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
        if (table[i].GetDescription().GetLength() == 0) {
            continue;
        }
        for (int j = i + 1; j < ArticleTableSize; ++j) {
            const std::string pair = std::to_string(i) + ", " + std::to_string(j) + " - ";
            if (table[i].GetDescription() == table[j].GetDescription()) {
                lines.push_back(pair + "\"" + table[i].GetDescription().Text() +
                                "\" - Dupliran naziv");
            }
            if (table[i].GetCode() == table[j].GetCode()) {
                lines.push_back(pair + "[" + table[i].GetCode().Text() + "] - Dupliran barkod");
            }
        }
    }
    return lines;
}

void Put(ArticleTable& table, int index, const char* name, const char* code) {
    table[index].SetDescription(name);
    table[index].SetCode(code);
}

TEST(ExamineDuplicates, NoDuplicatesNoLine) {
    ArticleTable table;
    Put(table, 2, "Hleb", "1");
    Put(table, 3, "Mleko", "2");
    const Examined e = Examine(table);
    EXPECT_TRUE(e.Lines.empty());
    EXPECT_EQ(e.Steps, ExamineSteps);
}

TEST(ExamineDuplicates, NameLineBeforeBarcodeLine) {
    ArticleTable table;
    Put(table, 2, "Hleb", "860");
    Put(table, 5, "Hleb", "860");
    const std::vector<std::string> expected = {"2, 5 - \"Hleb\" - Dupliran naziv",
                                               "2, 5 - [860] - Dupliran barkod"};
    EXPECT_EQ(Examine(table).Lines, expected);
}

TEST(ExamineDuplicates, CaseAndTrailingSpaceDiffer) {
    ArticleTable table;
    Put(table, 2, "Hleb", "1");
    Put(table, 3, "hleb", "1 ");
    Put(table, 4, "Hleb ", "01");
    EXPECT_TRUE(Examine(table).Lines.empty());
}

TEST(ExamineDuplicates, ThreeEqualBarcodes) {
    ArticleTable table;
    Put(table, 3, "A", "77");
    Put(table, 4, "B", "77");
    Put(table, 9, "C", "77");
    const std::vector<std::string> expected = {"3, 4 - [77] - Dupliran barkod",
                                               "3, 9 - [77] - Dupliran barkod",
                                               "4, 9 - [77] - Dupliran barkod"};
    EXPECT_EQ(Examine(table).Lines, expected);
}

TEST(ExamineDuplicates, EmptyBarcodeMatchesEmptyEntries) {
    ArticleTable table;
    Put(table, 2998, "bez barkoda", "");
    const std::vector<std::string> expected = {"2998, 2999 - [] - Dupliran barkod"};
    EXPECT_EQ(Examine(table).Lines, expected);
}

TEST(ExamineDuplicates, CyrillicNameKeptAsCodePageBytes) {
    ArticleTable table;
    Put(table, 2, "\xD5\xEB\xE5\xE1", "1");
    Put(table, 3, "\xD5\xEB\xE5\xE1", "2");
    const std::vector<std::string> expected = {"2, 3 - \"\xD5\xEB\xE5\xE1\" - Dupliran naziv"};
    EXPECT_EQ(Examine(table).Lines, expected);
}

TEST(ExamineDuplicates, SpreadsheetExport) {
    ArticleTable table;
    LoadArticles(TALON_SAMPLES_DIR "/artikli-libreoffice.txt", table);
    const std::vector<std::string> expected = {"2, 14 - [5] - Dupliran barkod",
                                               "6, 7 - [100] - Dupliran barkod"};
    EXPECT_EQ(Examine(table).Lines, expected);
}

class ExamineRandom : public ::testing::TestWithParam<unsigned> {};

TEST_P(ExamineRandom, SameLinesAsPairWalk) {
    std::mt19937 random(GetParam());
    std::uniform_int_distribution<int> pick(0, 5);
    const char* names[] = {"", "a", "b", "A", "a ", "\xC0"};
    const char* codes[] = {"", "1", "2", "01", "1 ", "3"};
    const int filled = GetParam() % 2 == 0 ? ArticleTableSize : 300;
    ArticleTable table;
    for (int i = 0; i < filled; ++i) {
        Put(table, i, names[pick(random)], codes[pick(random)]);
    }
    const Examined e = Examine(table);
    EXPECT_EQ(e.Lines, ReferenceWalk(table));
    EXPECT_EQ(e.Steps, ExamineSteps);
}

INSTANTIATE_TEST_SUITE_P(Seeds, ExamineRandom, ::testing::Values(1u, 2u, 3u, 4u));

} // namespace
