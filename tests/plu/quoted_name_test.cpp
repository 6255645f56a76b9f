// The name field of the article file: quoted with doubled quotes, read back exactly.
#include <gtest/gtest.h>

#include <string>

#include "plu/quoted_name.h"
#include "tests/plu/plu_test_text.h"

namespace {

struct FieldCase {
    const char* Title;
    const char* Field;
    const char* Name;
};

void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << c.Title;
}

class NameFromFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(NameFromFieldTest, GivesTheName) {
    EXPECT_EQ(Bytes(NameFromField(GetParam().Field)), GetParam().Name);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, NameFromFieldTest,
    ::testing::Values(
        FieldCase{"Quoted", "\"Hleb\"", "Hleb"},
        FieldCase{"DoubledQuoteInside", "\"a\"\"b\"", "a\"b"}, FieldCase{"EmptyQuoted", "\"\"", ""},
        FieldCase{"QuoteAlone", "\"\"\"\"", "\""},
        // Written before quotes were doubled: every quote goes, as it always did.
        FieldCase{"LoneQuoteInside", "\"a\"b\"", "ab"}, FieldCase{"NotQuoted", "a\"b", "ab"},
        FieldCase{"NeverClosed", "\"abc", "abc"}, FieldCase{"BlankBeforeTheQuote", " \"a\"", " a"},
        FieldCase{"TextAfterTheClosingQuote", "\"a\"x", "ax"}),
    [](const ::testing::TestParamInfo<FieldCase>& info) { return std::string(info.param.Title); });

struct CutCase {
    const char* Title;
    const char* Line;
    const char* Name;
    const char* Rest;
};

void PrintTo(const CutCase& c, std::ostream* os) {
    *os << c.Title;
}

class CutNameFieldTest : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutNameFieldTest, CutsTheNameOffTheLine) {
    ECRString line(GetParam().Line);
    EXPECT_EQ(Bytes(CutNameField(line, '\t')), GetParam().Name);
    EXPECT_EQ(Bytes(line), GetParam().Rest);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CutNameFieldTest,
    ::testing::Values(CutCase{"QuotedHoldsTab", "\"a\tb\"\tX", "a\tb", "X"},
                      CutCase{"DoubledQuoteBeforeTab", "\"a\"\"\tb\"\tX\tY", "a\"\tb", "X\tY"},
                      CutCase{"UnquotedRunsToTab", "a\"b\tX", "ab", "X"},
                      CutCase{"UnmatchedQuoteSwallowsFields", "\"Keks\t12\t3\"4\t9.5",
                              "Keks\t12\t34", "9.5"},
                      CutCase{"LastFieldKeepsItsQuotes", "\"a\"\"b\"", "\"a\"\"b\"", ""}),
    [](const ::testing::TestParamInfo<CutCase>& info) { return std::string(info.param.Title); });

TEST(QuotedNameTest, DoublesEveryQuoteAndEnclosesTheName) {
    EXPECT_EQ(Bytes(QuotedName("Sok \"A\"")), "\"Sok \"\"A\"\"\"");
    EXPECT_EQ(Bytes(QuotedName("")), "\"\"");
    EXPECT_EQ(Bytes(NameFromField(QuotedName("\"x\"\"y\""))), "\"x\"\"y\"");
}

} // namespace
