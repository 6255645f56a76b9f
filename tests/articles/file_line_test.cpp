#include <gtest/gtest.h>
#include <ostream>

#include "plu/talon_plu_item.h"

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
    const TalonPLUItem b = FromLine(a.ToFileText(Tab).Text());
    EXPECT_STREQ(b.GetDescription().Text(), "Sok");
    EXPECT_STREQ(b.GetCode().Text(), "8600");
    EXPECT_DOUBLE_EQ(b.GetPrice(), 12.5);
    EXPECT_EQ(b.GetTaxRate(), 3);
    EXPECT_EQ(b.GetDepartment(), 4);
    EXPECT_EQ(b.GetContainer(), 5);
    EXPECT_TRUE(b.GetPriceFixed());
    EXPECT_FALSE(b.GetMaxPrice());
    EXPECT_TRUE(b.GetMinPrice());
    EXPECT_EQ(b.GetMeasurement(), 6);
    EXPECT_DOUBLE_EQ(b.GetQuantitySold(), 12.345);
    EXPECT_DOUBLE_EQ(b.GetTurnover(), 4873.75);
    // Each flag on its own, so a swapped pair cannot pass.
    const TalonPLUItem onlyMax = FromLine("\"a\"\t1\t1\t0\t0\t0\t0\t1\t0\t0\t0\t0");
    const TalonPLUItem back = FromLine(onlyMax.ToFileText(Tab).Text());
    EXPECT_FALSE(back.GetPriceFixed());
    EXPECT_TRUE(back.GetMaxPrice());
    EXPECT_FALSE(back.GetMinPrice());
}

TEST(FileLine, QuotedNameHoldsTab) {
    const TalonPLUItem item = FromLine("\"Mleko\t1l\"\t55\t10");
    EXPECT_STREQ(item.GetDescription().Text(), "Mleko\t1l");
    EXPECT_STREQ(item.GetCode().Text(), "55");
    EXPECT_DOUBLE_EQ(item.GetPrice(), 10.0);
}

TEST(FileLine, DoubledQuotesAreDropped) {
    EXPECT_STREQ(FromLine("\"Sok \"\"Jabuka\"\" 1l\"\t4\t120").GetDescription().Text(),
                 "Sok Jabuka 1l");
}

TEST(FileLine, UnquotedNameReadUnchanged) {
    EXPECT_STREQ(FromLine("Pivo, 0.5l\t2399\t95").GetDescription().Text(), "Pivo, 0.5l");
}

TEST(FileLine, UnmatchedQuoteSwallowsFieldsUpToLaterQuote) {
    // The name's one quote pairs with the quote in the code field: everything up to the
    // TAB after that quote is the name.
    const TalonPLUItem item = FromLine("\"Keks\t12\t3\"4\t9.5\t1");
    EXPECT_STREQ(item.GetDescription().Text(), "Keks\t12\t34");
    EXPECT_STREQ(item.GetCode().Text(), "9.5");
    EXPECT_DOUBLE_EQ(item.GetPrice(), 1.0);
    EXPECT_EQ(item.GetTaxRate(), 0);
}

TEST(FileLine, DecimalCommaReadsWholePart) {
    EXPECT_DOUBLE_EQ(FromLine("a\tb\t12,50").GetPrice(), 12.0);
}

TEST(FileLine, MissingFieldsReadEmpty) {
    const TalonPLUItem item = FromLine("Hleb\t5");
    EXPECT_STREQ(item.GetCode().Text(), "5");
    EXPECT_EQ(item.GetPrice(), 0.0);
    EXPECT_FALSE(item.GetMinPrice());
    EXPECT_EQ(item.GetTurnover(), 0.0);
}

TEST(FileLine, LineEndIgnoredByLastNumber) {
    EXPECT_DOUBLE_EQ(FromLine("a\tb\t1\t0\t0\t0\t0\t0\t0\t0\t0\t-7.9\r\n").GetTurnover(), -7.9);
}

TEST(FileLine, ReadingOverwritesEarlierValues) {
    TalonPLUItem item = FromLine("\"a\"\tb\t5\t1\t1\t1\t1\t1\t1\t1\t1\t1");
    item.FromFileText(ECRString("c\td"), Tab);
    EXPECT_STREQ(item.GetDescription().Text(), "c");
    EXPECT_EQ(item.GetPrice(), 0.0);
    EXPECT_FALSE(item.GetPriceFixed());
    EXPECT_EQ(item.GetMeasurement(), 0);
}

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
                                           FlagCase{"1.0", true}, FlagCase{"01", true}));

} // namespace
