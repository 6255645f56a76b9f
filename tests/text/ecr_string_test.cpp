#include "tests/support/case_name.h"
#include "text/ecr_string.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

std::string Str(const ECRString& s) {
    return std::string(s.Text(), s.GetLength());
}

TEST(ECRStringBuild, EmptyFromNothingNullAndEmptyText) {
    for (const ECRString& s :
         {ECRString(), ECRString(static_cast<const char*>(nullptr)), ECRString("")}) {
        EXPECT_EQ(s.GetLength(), 0u);
        EXPECT_EQ(s.GetCapacity(), 0u);
        ASSERT_NE(s.Text(), nullptr);
        EXPECT_EQ(s.Text()[0], '\0');
    }
}

TEST(ECRStringBuild, FromCharactersLengthEqualsCapacity) {
    ECRString s("abc\xFE");
    EXPECT_EQ(s.GetLength(), 4u);
    EXPECT_EQ(s.GetCapacity(), 4u);
    EXPECT_EQ(s.At(3), 0xFE);
}

struct IntCase {
    std::int32_t Value;
    const char* Text;
};
class ECRStringFromInt : public ::testing::TestWithParam<IntCase> {};
TEST_P(ECRStringFromInt, Decimal) {
    ECRString s(GetParam().Value);
    EXPECT_EQ(Str(s), GetParam().Text);
    EXPECT_EQ(s.GetCapacity(), s.GetLength());
}
INSTANTIATE_TEST_SUITE_P(Values, ECRStringFromInt,
                         ::testing::Values(IntCase{-42, "-42"}, IntCase{0, "0"}, IntCase{7, "7"},
                                           IntCase{1400, "1400"}, IntCase{2147483647, "2147483647"},
                                           IntCase{-2147483647 - 1, "-2147483648"}),
                         [](const auto& info) { return "of_" + CaseName(info.param.Value); });

TEST(ECRStringBuild, FromFlag) {
    EXPECT_EQ(Str(ECRString(true)), "1");
    EXPECT_EQ(Str(ECRString(false)), "0");
}

struct GrowCase {
    const char* Title;
    const char* Start;
    std::vector<std::string> Steps; // "=text" assigns, "+text" appends
    const char* Text;
    std::uint32_t Capacity;
};

void PrintTo(const GrowCase& c, std::ostream* os) {
    *os << c.Title;
}

class ECRStringCapacity : public ::testing::TestWithParam<GrowCase> {};

// A buffer is reused when the new text fits in it, else replaced by one of exactly the
// new length; an assignment longer than the text (but within the buffer) still replaces it.
TEST_P(ECRStringCapacity, TextAndBuffer) {
    ECRString s(GetParam().Start);
    for (const std::string& step : GetParam().Steps) {
        const ECRString operand(step.c_str() + 1);
        if (step[0] == '=') {
            s = operand;
        } else {
            s.Append(operand);
        }
    }
    EXPECT_EQ(Str(s), GetParam().Text);
    EXPECT_EQ(s.GetLength(), Str(s).size());
    EXPECT_EQ(s.GetCapacity(), GetParam().Capacity);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ECRStringCapacity,
    ::testing::Values(GrowCase{"AssignShorterKeeps", "abcdef", {"=xyz"}, "xyz", 6},
                      GrowCase{"AssignLongerExact", "abcdef", {"=xyz", "=12345678"}, "12345678", 8},
                      GrowCase{
                          "AssignBeyondLengthWithinBuffer", "abcdef", {"=ab", "=abcd"}, "abcd", 4},
                      GrowCase{"AppendGrowsToExactSum", "abc", {"+de"}, "abcde", 5},
                      GrowCase{"AppendWithinCapacityReuses", "abcdef", {"=ab", "+xy"}, "abxy", 6}),
    [](const auto& info) { return std::string(info.param.Title); });

TEST(ECRStringAssign, SelfAssignChangesNothing) {
    ECRString s("abcdef");
    s = ECRString("abc");
    const ECRString& alias = s;
    s = alias;
    EXPECT_EQ(Str(s), "abc");
    EXPECT_EQ(s.GetCapacity(), 6u);
}

TEST(ECRStringAppend, SelfAppendGivesTwice) {
    ECRString grown("abc");
    grown += grown;
    EXPECT_EQ(Str(grown), "abcabc");
    EXPECT_EQ(grown.GetCapacity(), 6u);

    ECRString roomy("abcdefgh");
    roomy = ECRString("xy");
    roomy += roomy; // fits: no reallocation
    EXPECT_EQ(Str(roomy), "xyxy");
    EXPECT_EQ(roomy.GetCapacity(), 8u);
}

TEST(ECRStringCopy, IsIndependent) {
    ECRString source("abc");
    ECRString copy(source);
    copy += ECRString("d");
    copy.CutField('b');
    EXPECT_EQ(Str(source), "abc");
    EXPECT_EQ(Str(ECRString("ab") + ECRString("\xFE") + ECRString(12)), "ab\xFE"
                                                                        "12");
}

TEST(ECRStringCompare, EqualityAndDifference) {
    EXPECT_TRUE(ECRString("abc") == ECRString("abc"));
    EXPECT_FALSE(ECRString("abc") == ECRString("abd"));
    EXPECT_FALSE(ECRString("ab") == ECRString("abc"));
    EXPECT_FALSE(ECRString("abc") != "abc");
    EXPECT_TRUE(ECRString("abc") != "abcd");
    EXPECT_TRUE(ECRString("abcd") != "abc");
    EXPECT_TRUE(ECRString("\xFE") != "\x7E");
    EXPECT_FALSE(ECRString() != "");
}

struct FindCase {
    const char* Text;
    char What;
    std::uint32_t Start;
    std::int32_t Expected;
};
class ECRStringFind : public ::testing::TestWithParam<FindCase> {};
TEST_P(ECRStringFind, Position) {
    const FindCase& c = GetParam();
    EXPECT_EQ(ECRString(c.Text).Find(c.What, c.Start), c.Expected);
}
INSTANTIATE_TEST_SUITE_P(Cases, ECRStringFind,
                         ::testing::Values(FindCase{"", 'a', 0, -1}, FindCase{"", '\0', 0, -1},
                                           FindCase{"abcabc", 'c', 0, 2},
                                           FindCase{"abcabc", 'c', 3, 5},
                                           FindCase{"abcabc", 'c', 6, -1},
                                           FindCase{"abcabc", 'c', 100, -1},
                                           FindCase{"abc", 'x', 0, -1},
                                           FindCase{"a\xFE"
                                                    "b\xFE",
                                                    '\xFE', 2, 3}),
                         [](const auto& info) {
                             const FindCase& c = info.param;
                             return CaseName(c.Text) + "_find_" + CaseName(std::string(1, c.What)) +
                                    "_from_" + CaseName(c.Start);
                         });

struct FindTextCase {
    const char* Text;
    const char* What;
    std::uint32_t Start;
    std::int32_t Expected;
};
class ECRStringFindText : public ::testing::TestWithParam<FindTextCase> {};
TEST_P(ECRStringFindText, Position) {
    const FindTextCase& c = GetParam();
    EXPECT_EQ(ECRString(c.Text).FindText(ECRString(c.What), c.Start), c.Expected);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, ECRStringFindText,
    ::testing::Values(FindTextCase{"abcabc", "bc", 0, 1}, FindTextCase{"abcabc", "bc", 2, 4},
                      FindTextCase{"abcabc", "", 3, 3}, FindTextCase{"abc", "", 3, -1},
                      FindTextCase{"", "", 0, -1}, FindTextCase{"abc", "abcd", 0, -1},
                      FindTextCase{"aab", "ab", 0, 1}),
    [](const auto& info) {
        const FindTextCase& c = info.param;
        return CaseName(c.Text) + "_find_" + CaseName(c.What) + "_from_" + CaseName(c.Start);
    });

struct SubCase {
    std::uint32_t A;
    std::uint32_t B;
    const char* Expected;
};
class ECRStringSub : public ::testing::TestWithParam<SubCase> {};
TEST_P(ECRStringSub, OfTenCharacters) {
    const ECRString source("0123456789");
    const SubCase& c = GetParam();
    EXPECT_EQ(Str(source.Sub(c.A, c.B)), c.Expected);
    EXPECT_EQ(Str(source), "0123456789");
}
INSTANTIATE_TEST_SUITE_P(Cases, ECRStringSub,
                         ::testing::Values(SubCase{2, 5, "234"}, SubCase{5, 2, "234"},
                                           SubCase{0, 100, "0123456789"}, SubCase{12, 20, ""},
                                           SubCase{10, 10, ""}, SubCase{3, 3, ""},
                                           SubCase{9, 100, "9"}),
                         [](const auto& info) {
                             return "from_" + CaseName(info.param.A) + "_to_" +
                                    CaseName(info.param.B);
                         });

TEST(ECRStringTail, FromPosition) {
    const ECRString s("0123456789");
    EXPECT_EQ(Str(s.Tail(7)), "789");
    EXPECT_EQ(Str(s.Tail(0)), "0123456789");
    EXPECT_EQ(Str(s.Tail(10)), "");
    EXPECT_EQ(Str(s.Tail(50)), "");
}

struct ReplaceCase {
    const char* Text;
    const char* What;
    const char* With;
    const char* Expected;
};
class ECRStringReplaceAll : public ::testing::TestWithParam<ReplaceCase> {};
TEST_P(ECRStringReplaceAll, Result) {
    const ReplaceCase& c = GetParam();
    const ECRString source(c.Text);
    EXPECT_EQ(Str(source.ReplaceAll(ECRString(c.What), ECRString(c.With))), c.Expected);
    EXPECT_EQ(Str(source), c.Text);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, ECRStringReplaceAll,
    ::testing::Values(ReplaceCase{"\"a\"b\"\"", "\"", "", "ab"},
                      ReplaceCase{"abc", "x", "y", "abc"}, ReplaceCase{"abc", "", "y", "abc"},
                      ReplaceCase{"aaa", "aa", "b", "ba"},
                      ReplaceCase{"abab", "ab", "abab", "abababab"},
                      ReplaceCase{"xax", "x", "", "a"}, ReplaceCase{"", "a", "b", ""}),
    [](const auto& info) {
        const ReplaceCase& c = info.param;
        return CaseName(c.Text) + "_" + CaseName(c.What) + "_to_" + CaseName(c.With);
    });

struct CutCase {
    const char* Text;
    char Separator;
    char Quote;
    const char* Field;
    const char* Rest;
};
class ECRStringCut : public ::testing::TestWithParam<CutCase> {};
TEST_P(ECRStringCut, FieldAndRest) {
    const CutCase& c = GetParam();
    ECRString s(c.Text);
    EXPECT_EQ(Str(s.CutField(c.Separator, c.Quote)), c.Field);
    EXPECT_EQ(Str(s), c.Rest);
    EXPECT_EQ(s.Text()[s.GetLength()], '\0');
}
INSTANTIATE_TEST_SUITE_P(
    Cases, ECRStringCut,
    ::testing::Values(CutCase{",ab", ',', 0, "", "ab"}, CutCase{"a,,b", ',', 0, "a", ",b"},
                      CutCase{"\"a,b\",c", ',', '"', "a,b", "c"},
                      CutCase{"x,\"a,b\"", ',', '"', "x", "\"a,b\""},
                      CutCase{"\"a,b\"", ',', '"', "\"a,b\"", ""},  // no separator: returned whole
                      CutCase{"\"a,b\"c,d", ',', '"', "a,bc", "d"}, // quotes removed from the field
                      CutCase{"a,\"b", ',', '"', "a", "\"b"},       // separator before the quote
                      CutCase{"\"a,b", ',', '"', "a", "b"}, // unclosed quote: first separator
                      // Only the first pair of quotes counts.
                      CutCase{"\"a\"b\"c,d\",e", ',', '"', "abc", "d\",e"},
                      CutCase{"a\t\"b\tc\"", '\t', 0, "a", "\"b\tc\""},
                      // No quote character: a plain split.
                      CutCase{"\"a,b\",c", ',', 0, "\"a", "b\",c"}),
    // The separator is a comma unless the name says otherwise.
    [](const auto& info) {
        const CutCase& c = info.param;
        const std::string separator =
            c.Separator == ',' ? "" : "_at_" + CaseName(std::string(1, c.Separator));
        return CaseName(c.Text) + separator + (c.Quote ? "" : "_no_quotes");
    });

// Cutting again and again gives the fields in order, then empty fields from an empty text.
TEST(ECRStringCutField, FieldsInOrderThenEmpty) {
    ECRString plain("12\xFE"
                    "34");
    ECRString quoted("x,\"a,b\"");
    for (const char* field : {"12", "34", ""}) {
        EXPECT_EQ(Str(plain.CutField('\xFE')), field);
    }
    for (const char* field : {"x", "\"a,b\"", ""}) {
        EXPECT_EQ(Str(quoted.CutField(',', '"')), field);
    }
    EXPECT_EQ(plain.GetLength(), 0u);
    EXPECT_EQ(quoted.GetLength(), 0u);
}

} // namespace
