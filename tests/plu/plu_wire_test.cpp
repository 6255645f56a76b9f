#include <string>

#include <gtest/gtest.h>

#include "tests/plu/plu_test_text.h"
#include "tests/support/case_name.h"

namespace {
std::string Wire(const TalonPLUItem& item) {
    return Bytes(item.ToECRText());
}

TalonPLUItem Decoded(const std::string& answer) {
    TalonPLUItem item;
    item.FromECRText(WithSep(answer).c_str());
    return item;
}

// The wire text after the two texts and their LF bytes.
std::string NumbersOf(const std::string& wire) {
    const size_t second = wire.find('\n', wire.find('\n') + 1);
    return wire.substr(second + 1);
}
} // namespace

TEST(ToECRText, ExampleRecord) {
    TalonPLUItem item;
    item.SetDescription("HLEB");
    item.SetCode("860");
    item.SetPrice(120.5);
    item.SetTaxRate(3);
    item.SetDepartment(1);
    EXPECT_EQ(Wire(item), WithSep("HLEB\n860\n12050\t3|1|0|0|0|0|0|0\t0\t"));
}

TEST(ToECRText, EmptyRecordStartsWithLineFeed) {
    EXPECT_EQ(Wire(TalonPLUItem()), WithSep("\n\n0\t0|0|0|0|0|0|0|0\t0\t"));
}

TEST(ToECRText, TextsAreCutButTheRecordKeepsThem) {
    TalonPLUItem item;
    item.SetDescription("ABCDEFGHIJKLMNOPQRST");
    item.SetCode("12345678901234");
    const std::string wire = Wire(item);
    EXPECT_EQ(wire.substr(0, wire.find('\t')), "ABCDEFGHIJKLMNOP\n1234567890123\n0");
    EXPECT_EQ(Bytes(item.GetDescription()), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(Bytes(item.GetCode()), "12345678901234");
}

struct PriceCase {
    double Price;
    const char* Hundredths;
};

class PriceWireTest : public ::testing::TestWithParam<PriceCase> {};

TEST_P(PriceWireTest, PriceInHundredths) {
    TalonPLUItem item;
    item.SetPrice(GetParam().Price);
    const std::string numbers = NumbersOf(Wire(item));
    EXPECT_EQ(numbers.substr(0, numbers.find('\t')), GetParam().Hundredths);
}

INSTANTIATE_TEST_SUITE_P(Values, PriceWireTest,
                         ::testing::Values(PriceCase{0.0, "0"}, PriceCase{12.5, "1250"},
                                           PriceCase{0.994, "99"}, PriceCase{-3.5, "-350"},
                                           PriceCase{99.99, "9999"},
                                           PriceCase{1234567.89, "123456789"}),
                         [](const auto& info) { return "price_" + CaseName(info.param.Price); });

struct CounterCase {
    const char* Answer; // the two counter fields and what follows
    const char* Sent;   // the counters as ToECRText sends them back
    double Quantity;
    double Turnover;
};

class CounterWireTest : public ::testing::TestWithParam<CounterCase> {};

TEST_P(CounterWireTest, CountersRoundTrip) {
    const TalonPLUItem item = Decoded(std::string("N\nC\n100\t0|0|0|0|0|0|0|") + GetParam().Answer);
    EXPECT_DOUBLE_EQ(item.GetQuantitySold(), GetParam().Quantity);
    EXPECT_DOUBLE_EQ(item.GetTurnover(), GetParam().Turnover);
    const std::string wire = Wire(item);
    EXPECT_EQ(wire.substr(wire.rfind('\xFE') + 1), GetParam().Sent);
}

// The last case: 1.6 thousandths and -0.4 hundredths go back as whole numbers, the only
// ones the register takes.
INSTANTIATE_TEST_SUITE_P(Values, CounterWireTest,
                         ::testing::Values(CounterCase{"1500\t9999\t1\t2\t", "1500\t9999\t", 1.5,
                                                       99.99},
                                           CounterCase{"0\t0\t", "0\t0\t", 0.0, 0.0},
                                           CounterCase{"-250\t-1\t", "-250\t-1\t", -0.25, -0.01},
                                           CounterCase{"1\t1\t", "1\t1\t", 0.001, 0.01},
                                           CounterCase{"1.6\t-0.4\t", "2\t0\t", 0.0016, -0.004}),
                         [](const auto& info) { return CaseName(info.param.Answer); });

TEST(FlagOrder, ReadMaxFirstWriteMinFirst) {
    // Flag fields 1, 0, 1 in the answer: PriceFixed, MaxPrice, MinPrice.
    const TalonPLUItem item = Decoded("N\nC\n100\t1|2|3|1|0|1|4|0\t0\t7\t8\t");
    EXPECT_TRUE(item.GetPriceFixed());
    EXPECT_FALSE(item.GetMaxPrice());
    EXPECT_TRUE(item.GetMinPrice());
    EXPECT_EQ(NumbersOf(Wire(item)), WithSep("100\t1|2|3|1|1|0|4|0\t0\t"));
}

TEST(FlagOrder, OnlyMaxPriceSet) {
    TalonPLUItem item;
    item.SetMaxPrice(true);
    EXPECT_EQ(NumbersOf(Wire(item)), WithSep("0\t0|0|0|0|0|1|0|0\t0\t"));
}

struct FlagCase {
    const char* Field;
    bool Value;
};

class FlagFieldTest : public ::testing::TestWithParam<FlagCase> {};

TEST_P(FlagFieldTest, TrueExactlyWhenTheNumberIsOne) {
    const std::string f = GetParam().Field;
    const TalonPLUItem item = Decoded("N\nC\n0\t0|0|0|" + f + "|" + f + "|" + f + "|");
    EXPECT_EQ(item.GetPriceFixed(), GetParam().Value);
    EXPECT_EQ(item.GetMaxPrice(), GetParam().Value);
    EXPECT_EQ(item.GetMinPrice(), GetParam().Value);
}

INSTANTIATE_TEST_SUITE_P(Values, FlagFieldTest,
                         ::testing::Values(FlagCase{"1", true}, FlagCase{"01", true},
                                           FlagCase{" 1", true}, FlagCase{"1x", true},
                                           FlagCase{"2", false}, FlagCase{"0", false},
                                           FlagCase{"", false}, FlagCase{"Y", false},
                                           FlagCase{"-1", false}),
                         [](const auto& info) { return "field_" + CaseName(info.param.Field); });

TEST(FromECRText, WholeAnswer) {
    EXPECT_EQ(Fields(Decoded("MLEKO 1L\n8600001\n1250\t3|4|5|0|1|0|6|1500\t2500\t7\t9\t")),
              "MLEKO 1L|8600001|12.5|3|4|5|0|1|0|6|1.5|25|7|9");
}

TEST(FromECRText, NextIdRunsToTheEndWithoutTab) {
    EXPECT_EQ(Fields(Decoded("N\nC\n1\t0|0|0|0|0|0|0|0\t0\t3\t-1")),
              "N|C|0.01|0|0|0|0|0|0|0|0|0|3|-1");
}

TEST(FromECRText, AnswerCutAfterTheBarcodeClearsEverythingElse) {
    TalonPLUItem item = Decoded("X\nY\n1250\t3|4|5|1|1|1|6|1500\t2500\t7\t9\t");
    item.FromECRText("ABC\n123\n");
    EXPECT_EQ(Fields(item), "ABC|123|0|0|0|0|0|0|0|0|0|0|0|0");
}

TEST(FromECRText, FieldRunsToItsOwnSeparatorAcrossOthers) {
    // No LF at all: the name takes the whole answer, every later field is empty.
    const TalonPLUItem item = Decoded("A\tB|C");
    EXPECT_EQ(Bytes(item.GetDescription()), WithSep("A\tB|C"));
    EXPECT_EQ(Bytes(item.GetCode()), "");
}

TEST(FromECRText, CallersTextIsNotChanged) {
    const ECRString answer = "N\nC\n1\t";
    TalonPLUItem item;
    item.FromECRText(answer);
    EXPECT_EQ(Bytes(answer), "N\nC\n1\t");
}

// A broken reply's infinite amounts, and a price whose hundredths overflow, travel and are
// saved as 0: neither the wire nor a file ever carries "inf".
TEST(ToECRText, InfiniteAmountsTravelAndAreSavedAsZero) {
    const TalonPLUItem item = Decoded("N\nC\n1e999\t1|0|0|0|0|0|0|1e999\t-1e999\t");
    EXPECT_EQ(NumbersOf(Wire(item)), WithSep("0\t1|0|0|0|0|0|0|0\t0\t"));
    EXPECT_EQ(Bytes(item.ToFileText('\t')), "\"N\"\tC\t0.00\t1\t0\t0\t0\t0\t0\t0\t0.000\t0.00");
    TalonPLUItem huge;
    huge.SetPrice(1.7e307);
    EXPECT_EQ(NumbersOf(Wire(huge)), WithSep("0\t0|0|0|0|0|0|0|0\t0\t"));
}
