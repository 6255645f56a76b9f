// The records of a folder read back, and the lines a filter keeps.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "image/change_record.h"
#include "operations/history_book.h"
#include "tests/articles/article_test_files.h"

namespace {

const std::string TE1Lines[] = {
    "2025-12-31 23:59:59\tizmene\t2\t1\tA\t1.00\t2.00\t",
    "2026-01-01 00:00:00\tizmene\t3\t2\tB\t1.00\t3.00\t",
    "garbage",
    "2026-02-03 12:00:00\tobrisi\t4\t3\tC\t5.00\t\t",
};
const std::string TE2Line =
    "2026-01-15 09:30:00\tizmena\t9\t860123\tКАФА Гранд\t4.00\t4.50\tNaziv: x -> КАФА Гранд";

std::string RecordOf(const std::vector<std::string>& lines) {
    std::string text = std::string(HistoryHeading) + "\n";
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

// Each line as "TILL:N", N its place in its record.
std::vector<std::string> Places(const std::vector<const HistoryEntry*>& lines) {
    std::vector<std::string> places;
    for (const HistoryEntry* line : lines) {
        places.push_back(line->Till + ":" + std::to_string(line->Line));
    }
    return places;
}

class HistoryBookFolder : public ::testing::Test {
protected:
    void SetUp() override {
        WriteBytes(HistoryPath(Dir.Dir(), "TE1"),
                   RecordOf(std::vector<std::string>(std::begin(TE1Lines), std::end(TE1Lines))));
        WriteBytes(HistoryPath(Dir.Dir(), "TE2"), RecordOf({TE2Line}));
    }
    TempDir Dir;
};

TEST_F(HistoryBookFolder, ReadsEveryTillOldestFirstAndGivesTheLinesBackWhole) {
    HistoryBook book(Dir.Dir());
    const HistoryRefresh refresh = book.Refresh();
    EXPECT_TRUE(refresh.Changed);
    EXPECT_TRUE(refresh.Faults.empty());
    EXPECT_EQ(book.Tills(), (std::vector<std::string>{"TE1", "TE2"}));
    EXPECT_EQ(Places(book.Lines()),
              (std::vector<std::string>{"TE1:1", "TE1:2", "TE2:1", "TE1:4", "TE1:3"}));
    for (std::size_t i = 0; i < std::size(TE1Lines); ++i) {
        EXPECT_EQ(book.Record("TE1")[i].Text(), TE1Lines[i]);
    }
    EXPECT_EQ(book.Record("TE2").front().Field(NameField), "КАФА Гранд");
}

TEST_F(HistoryBookFolder, ARefreshReadsOnlyWhatChanged) {
    HistoryBook book(Dir.Dir());
    book.Refresh();
    EXPECT_FALSE(book.Refresh().Changed);
    const std::string added = "2026-03-01 10:00:00\tizmene\t5\t7\tE\t1.00\t1.50\t";
    ASSERT_TRUE(AppendHistoryLine(HistoryPath(Dir.Dir(), "TE2"), added));
    EXPECT_TRUE(book.Refresh().Changed);
    EXPECT_EQ(book.Record("TE2").back().Text(), added);
    std::filesystem::remove(PathOf(HistoryPath(Dir.Dir(), "TE1")));
    EXPECT_TRUE(book.Refresh().Changed);
    EXPECT_EQ(Places(book.Lines()), (std::vector<std::string>{"TE2:1", "TE2:2"}));
}

TEST_F(HistoryBookFolder, OneTillsRecordThatIsMissingIsAFault) {
    HistoryBook book(Dir.Dir(), "TE9");
    const HistoryRefresh refresh = book.Refresh();
    ASSERT_EQ(refresh.Faults.size(), 1u);
    EXPECT_EQ(refresh.Faults.front().What, RecordFault::Missing);
    EXPECT_EQ(refresh.Faults.front().Path, HistoryPath(Dir.Dir(), "TE9"));
    EXPECT_TRUE(book.Lines().empty());
}

struct FilterCase {
    const char* Name;
    HistoryFilter Filter;
    std::vector<std::string> Kept;
};

const FilterCase FilterCases[] = {
    {"Everything", {}, {"TE1:1", "TE1:2", "TE2:1", "TE1:4", "TE1:3"}},
    {"OneTill", {"TE1", "", "", ""}, {"TE1:1", "TE1:2", "TE1:4", "TE1:3"}},
    {"SinceADay", {"", "2026-01-01", "", ""}, {"TE1:2", "TE2:1", "TE1:4"}},
    {"UntilADay", {"", "", "2026-01-01", ""}, {"TE1:1", "TE1:2"}},
    {"OneDay", {"", "2026-01-15", "2026-01-15", ""}, {"TE2:1"}},
    {"TillAndPeriod", {"TE1", "2026-01-02", "2026-12-31", ""}, {"TE1:4"}},
    {"Barcode", {"", "", "", "8601"}, {"TE2:1"}},
    {"NameInAnyCase", {"", "", "", "кафа г"}, {"TE2:1"}},
    {"LatinName", {"", "", "", "b"}, {"TE1:2"}},
    {"OtherChangesAreNotSearched", {"", "", "", "naziv"}, {}},
};

class HistoryBookFilters : public HistoryBookFolder,
                           public ::testing::WithParamInterface<FilterCase> {};

TEST_P(HistoryBookFilters, KeepTheLinesAsked) {
    HistoryBook book(Dir.Dir());
    book.Refresh();
    EXPECT_EQ(Places(book.Select(GetParam().Filter)), GetParam().Kept);
}

INSTANTIATE_TEST_SUITE_P(Cases, HistoryBookFilters, ::testing::ValuesIn(FilterCases),
                         [](const ::testing::TestParamInfo<FilterCase>& info) {
                             return std::string(info.param.Name);
                         });

} // namespace
