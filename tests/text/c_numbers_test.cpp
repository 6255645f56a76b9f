#include "tests/support/case_name.h"
#include "text/c_numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

namespace {

struct LongCase {
    const char* Text;
    std::int32_t Expected;
};
class ReadLongRule : public ::testing::TestWithParam<LongCase> {};
TEST_P(ReadLongRule, AsAtol) {
    EXPECT_EQ(ReadLong(GetParam().Text), GetParam().Expected) << '"' << GetParam().Text << '"';
}
INSTANTIATE_TEST_SUITE_P(
    Cases, ReadLongRule,
    ::testing::Values(LongCase{"0", 0}, LongCase{"122", 122}, LongCase{" 1", 1},
                      LongCase{"\t\n\v\f\r 7", 7}, LongCase{"+5", 5}, LongCase{"-7", -7},
                      LongCase{"-7.9", -7}, LongCase{"1.0", 1}, LongCase{"12,50", 12},
                      LongCase{"100A", 100}, LongCase{"0100", 100}, LongCase{"", 0},
                      LongCase{"abc", 0}, LongCase{"- 5", 0}, LongCase{"+-5", 0},
                      LongCase{"2147483647", 2147483647}, LongCase{"-2147483648", -2147483647 - 1},
                      LongCase{"2147483648", 2147483647},
                      LongCase{"99999999999999999999999", 2147483647},
                      LongCase{"-99999999999999999999999", -2147483647 - 1}),
    [](const auto& info) { return "of_" + CaseName(info.param.Text); });

struct DoubleCase {
    const char* Text;
    double Expected;
};
class ReadDoubleRule : public ::testing::TestWithParam<DoubleCase> {};
TEST_P(ReadDoubleRule, AsAtofWithPoint) {
    EXPECT_DOUBLE_EQ(ReadDouble(GetParam().Text), GetParam().Expected)
        << '"' << GetParam().Text << '"';
}
INSTANTIATE_TEST_SUITE_P(
    Cases, ReadDoubleRule,
    ::testing::Values(DoubleCase{"12.50", 12.5}, DoubleCase{"12,50", 12.0}, DoubleCase{" 1", 1.0},
                      DoubleCase{"1.0", 1.0}, DoubleCase{"-7.9", -7.9}, DoubleCase{"+2.5", 2.5},
                      DoubleCase{"1e3", 1000.0}, DoubleCase{".5", 0.5}, DoubleCase{"5.", 5.0},
                      DoubleCase{"1e", 1.0}, DoubleCase{"0.001x", 0.001}, DoubleCase{"", 0.0},
                      DoubleCase{"abc", 0.0}, DoubleCase{"+-1", 0.0}, DoubleCase{"-", 0.0},
                      DoubleCase{".", 0.0}, DoubleCase{"1e-400", 0.0},
                      DoubleCase{"0.00001e-320", 0.0}, DoubleCase{"inf", 0.0},
                      DoubleCase{"-Infinity", 0.0}, DoubleCase{"+nan", 0.0},
                      DoubleCase{"0x10", 0.0}, DoubleCase{" -0x1p4", 0.0}, DoubleCase{"-.5", -0.5}),
    [](const auto& info) { return "of_" + CaseName(info.param.Text); });

TEST(ReadDoubleRule, OverflowAndNull) {
    EXPECT_EQ(ReadDouble("1e400"), HUGE_VAL);
    EXPECT_EQ(ReadDouble("-123.4e400"), -HUGE_VAL);
    EXPECT_EQ(ReadDouble(nullptr), 0.0);
    EXPECT_EQ(ReadLong(nullptr), 0);
}

// Found by fuzzing: an exponent beyond long's range once overflowed the magnitude sum.
TEST(ReadDoubleRule, ExponentBeyondLongRange) {
    EXPECT_EQ(ReadDouble("8444444444e84444444444444444444444444444"), HUGE_VAL);
    EXPECT_EQ(ReadDouble("0.0001e-84444444444444444444444444444"), 0.0);
    EXPECT_EQ(ReadDouble("-9e99999999999999999999999"), -HUGE_VAL);
}

struct FixedCase {
    double Value;
    int Decimals;
    const char* Expected;
};
class FormatFixedRule : public ::testing::TestWithParam<FixedCase> {};
TEST_P(FormatFixedRule, AsPrintf) {
    const FixedCase& c = GetParam();
    EXPECT_EQ(FormatFixed(c.Value, c.Decimals), c.Expected);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, FormatFixedRule,
    ::testing::Values(FixedCase{5.0, 2, "5.00"}, FixedCase{1234.5, 2, "1234.50"},
                      FixedCase{0.0, 2, "0.00"}, FixedCase{-0.0, 2, "-0.00"},
                      FixedCase{-0.001, 2, "-0.00"}, FixedCase{2.675, 2, "2.67"},
                      FixedCase{0.125, 2, "0.12"}, FixedCase{1.5, 0, "2"}, FixedCase{2.5, 0, "2"},
                      FixedCase{12.3456, 3, "12.346"}, FixedCase{-19.999, 2, "-20.00"}),
    [](const auto& info) {
        return CaseName(info.param.Value) + "_to_" + CaseName(info.param.Decimals) + "_places";
    });

TEST(FormatFixedRule, PointWhateverTheLocale) {
    const char* found = nullptr;
    for (const char* name :
         {"de_DE.UTF-8", "sr_RS.UTF-8", "de_DE.utf8", "sr_RS.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8",
          "German_Germany.1252", "Serbian_Serbia.1251"})
        if (std::setlocale(LC_NUMERIC, name)) {
            found = name;
            break;
        }
    if (!found)
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    EXPECT_EQ(FormatFixed(1234.5, 2), "1234.50");
    EXPECT_DOUBLE_EQ(ReadDouble("12.50"), 12.5);
    EXPECT_DOUBLE_EQ(ReadDouble("12,50"), 12.0);
    std::setlocale(LC_NUMERIC, "C");
}

} // namespace
