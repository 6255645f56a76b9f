#include <gtest/gtest.h>
#include <ostream>

#include "tests/plu/plu_test_text.h"
#include "tests/support/case_name.h"

namespace {

constexpr char Tab = '\t';

TalonPLUItem FromLine(const char* line) {
    TalonPLUItem item;
    item.FromFileText(ECRString(line), Tab);
    return item;
}

TEST(FileLine, WritesEveryFieldInLoadingOrder) {
    TalonPLUItem item = FromLine("x\t\t0\t0\t0\t0\t0\t0\t0\t0\t2.5\t-7.9");
    item.SetDescription("Hleb");
    item.SetCode("123");
    item.SetPrice(3.14159);
    item.SetTaxRate(-2);
    item.SetDepartment(7);
    item.SetContainer(4);
    item.SetPriceFixed(true);
    item.SetMaxPrice(true);
    item.SetMinPrice(false);
    item.SetMeasurement(9);
    EXPECT_STREQ(item.ToFileText(Tab).Text(),
                 "\"Hleb\"\t123\t3.14\t-2\t7\t4\t1\t1\t0\t9\t2.500\t-7.90");
}

TEST(FileLine, FreshRecordLine) {
    EXPECT_STREQ(TalonPLUItem().ToFileText(Tab).Text(),
                 "\"\"\t\t0.00\t0\t0\t0\t0\t0\t0\t0\t0.000\t0.00");
}

TEST(FileLine, RoundTripKeepsEveryField) {
    const TalonPLUItem a =
        FromLine("\"Sok\"\t8600\t12.5\t3\t4\t5\t1\t0\t1\t6\t12.345\t4873.75\r\n");
    EXPECT_EQ(Fields(a, false), "Sok|8600|12.5|3|4|5|1|0|1|6|12.345|4873.75");
    EXPECT_EQ(Fields(FromLine(a.ToFileText(Tab).Text())), Fields(a));
    // Each flag on its own, so a swapped pair cannot pass.
    const TalonPLUItem onlyMax = FromLine("\"a\"\t1\t1\t0\t0\t0\t0\t1\t0\t0\t0\t0");
    EXPECT_EQ(Fields(FromLine(onlyMax.ToFileText(Tab).Text()), false), "a|1|1|0|0|0|0|1|0|0|0|0");
}

TEST(FileLine, ReadingOverwritesEarlierValues) {
    TalonPLUItem item = FromLine("\"a\"\tb\t5\t1\t1\t1\t1\t1\t1\t1\t1\t1");
    item.FromFileText(ECRString("c\td"), Tab);
    EXPECT_EQ(Fields(item, false), "c|d|0|0|0|0|0|0|0|0|0|0");
}

struct LineCase {
    const char* Title;
    const char* Line;
    const char* Read; // every field as Fields gives them
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.Title;
}

class FileLineRead : public ::testing::TestWithParam<LineCase> {};

TEST_P(FileLineRead, EveryField) {
    EXPECT_EQ(Fields(FromLine(GetParam().Line), false), GetParam().Read);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FileLineRead,
    ::testing::Values(
        LineCase{"QuotedNameHoldsTab", "\"Mleko\t1l\"\t55\t10",
                 "Mleko\t1l|55|10|0|0|0|0|0|0|0|0|0"},
        LineCase{"DoubledQuotesStandForOne", "\"Sok \"\"Jabuka\"\" 1l\"\t4\t120",
                 "Sok \"Jabuka\" 1l|4|120|0|0|0|0|0|0|0|0|0"},
        // A quote inside a name written without doubling, as files saved before did it.
        LineCase{"LoneQuoteInsideIsDropped", "\"Sok \"A\" 1l\"\t4\t120",
                 "Sok A 1l|4|120|0|0|0|0|0|0|0|0|0"},
        LineCase{"UnquotedNameReadUnchanged", "Pivo, 0.5l\t2399\t95",
                 "Pivo, 0.5l|2399|95|0|0|0|0|0|0|0|0|0"},
        // The name's one quote pairs with the quote in the code field: everything up to
        // the TAB after that quote is the name.
        LineCase{"UnmatchedQuoteSwallowsFields", "\"Keks\t12\t3\"4\t9.5\t1",
                 "Keks\t12\t34|9.5|1|0|0|0|0|0|0|0|0|0"},
        LineCase{"DecimalCommaReadsWholePart", "a\tb\t12,50", "a|b|12|0|0|0|0|0|0|0|0|0"},
        LineCase{"MissingFieldsReadEmpty", "Hleb\t5", "Hleb|5|0|0|0|0|0|0|0|0|0|0"},
        LineCase{"LineEndIgnoredByLastNumber", "a\tb\t1\t0\t0\t0\t0\t0\t0\t0\t0\t-7.9\r\n",
                 "a|b|1|0|0|0|0|0|0|0|0|-7.9"}),
    [](const auto& info) { return std::string(info.param.Title); });

struct FlagCase {
    const char* Field;
    bool Set;
};

void PrintTo(const FlagCase& c, std::ostream* os) {
    *os << "field \"" << c.Field << "\"";
}

class FileLineFlag : public ::testing::TestWithParam<FlagCase> {};

TEST_P(FileLineFlag, SetExactlyWhenNumberIsOne) {
    const std::string f = GetParam().Field;
    const TalonPLUItem item = FromLine(("a\tb\t1\t0\t0\t0\t" + f + "\t" + f + "\t" + f).c_str());
    EXPECT_EQ(item.GetPriceFixed(), GetParam().Set);
    EXPECT_EQ(item.GetMaxPrice(), GetParam().Set);
    EXPECT_EQ(item.GetMinPrice(), GetParam().Set);
}

INSTANTIATE_TEST_SUITE_P(Fields, FileLineFlag,
                         ::testing::Values(FlagCase{"2", false}, FlagCase{"da", false},
                                           FlagCase{"0", false}, FlagCase{"", false},
                                           FlagCase{"1", true}, FlagCase{" 1", true},
                                           FlagCase{"1.0", true}, FlagCase{"01", true}),
                         [](const auto& info) { return "field_" + CaseName(info.param.Field); });

} // namespace
