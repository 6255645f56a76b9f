// Reading the record of changes back.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "image/change_record.h"
#include "operations/history_report.h"
#include "tests/articles/article_test_files.h"

namespace {

struct DateCase {
    const char* Name;
    const char* Text;
    bool Valid;
};

class HistoryDates : public ::testing::TestWithParam<DateCase> {};

TEST_P(HistoryDates, AreYearMonthDay) {
    EXPECT_EQ(IsHistoryDate(GetParam().Text), GetParam().Valid);
}

INSTANTIATE_TEST_SUITE_P(Texts, HistoryDates,
                         ::testing::Values(DateCase{"Plain", "2026-01-31", true},

                                           DateCase{"Month13", "2026-13-01", false},
                                           DateCase{"MonthZero", "2026-00-10", false},

                                           DateCase{"Day32", "2026-05-32", false},
                                           DateCase{"Dotted", "31.01.2026", false},

                                           DateCase{"WithTime", "2026-01-31 10:00", false},
                                           DateCase{"SignedMonth", "2026-+1-01", false},
                                           DateCase{"Empty", "", false}),
                         [](const auto& info) { return std::string(info.param.Name); });

const std::string Record = std::string(HistoryHeading) +
                           "\n"
                           "2025-12-31 23:59:59\tizmene\t2\t1\tA\t1.00\t2.00\t\n"
                           "2026-01-01 00:00:00\tizmene\t3\t2\tB\t1.00\t3.00\t\n"
                           "garbage\n"
                           "2026-02-03 12:00:00\tobrisi\t4\t3\tC\t5.00\t\t\n";

TEST(RegistersWithHistory, NamesTheRecordsOfTheFolderInOrder) {
    TempDir dir;
    WriteBytes(HistoryPath(dir.Dir(), "TE2"), Record);
    WriteBytes(HistoryPath(dir.Dir(), "TE1"), Record);
    WriteBytes(dir.File("TE1.txt"), "the image");
    WriteBytes(dir.File(".history.tsv"), "no register's");
    std::error_code failed;
    EXPECT_EQ(RegistersWithHistory(dir.Dir(), failed), (std::vector<std::string>{"TE1", "TE2"}));
    EXPECT_TRUE(RegistersWithHistory(dir.File("missing"), failed).empty());
    EXPECT_FALSE(failed); // no folder holds no record
}

// A register whose fiscal module id is Cyrillic has an image named with one "_" a letter;
// the name typed in UTF-8 finds it.
TEST(HistoryNameOf, IsTheNameTheImageHas) {
    EXPECT_EQ(HistoryNameOf("TE000001"), "TE000001");
    EXPECT_EQ(HistoryNameOf("Каса-1"), "____-1");
    EXPECT_EQ(HistoryNameOf("../x"), "___x");
}

} // namespace
