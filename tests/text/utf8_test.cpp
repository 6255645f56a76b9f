#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "text/utf8.h"

namespace {

struct Utf8Case {
    const char* Title;
    std::string Bytes;
    std::u16string Units;
    bool Valid;
};

void PrintTo(const Utf8Case& c, std::ostream* os) {
    *os << c.Title;
}

class Utf8Decoding : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Decoding, UnitsAndValidity) {
    const Utf8Case& c = GetParam();
    Utf8Decoder decoder;
    std::u16string units;
    for (const char b : c.Bytes) {
        decoder.Feed(static_cast<unsigned char>(b), units);
    }
    decoder.Finish(units);
    EXPECT_EQ(units, c.Units);
    EXPECT_EQ(decoder.Valid(), c.Valid);
    if (c.Valid) {
        EXPECT_EQ(Utf16ToUtf8(c.Units), c.Bytes);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf8Decoding,
    ::testing::Values(
        Utf8Case{"Ascii", "Hleb\t5\r\n", u"Hleb\t5\r\n", true},
        Utf8Case{"TwoAndThreeBytes", "\xD0\xA5\xD0\xBB 5\xE2\x82\xAC", u"Хл 5€", true},
        Utf8Case{"FourBytesBecomeAPair", "x\xF0\x9F\x98\x80", u"x\U0001F600", true},
        Utf8Case{"Overlong",
                 "\xC0\x80"
                 "a",
                 u"\uFFFD\uFFFDa", false},
        Utf8Case{"OverlongThreeBytes", "\xE0\x80\x80", u"\uFFFD", false},
        Utf8Case{"EncodedSurrogate", "\xED\xA0\x80", u"\uFFFD", false},
        Utf8Case{"BeyondUnicode", "\xF4\x90\x80\x80", u"\uFFFD", false},
        Utf8Case{"StrayContinuation",
                 "a\x80"
                 "b",
                 u"a\uFFFDb", false},
        Utf8Case{"BrokenOffBeforeAscii",
                 "\xE2\x82"
                 "a",
                 u"\uFFFDa", false},
        Utf8Case{"CutAtTheEnd", "a\xE2\x82", u"a\uFFFD", false},
        Utf8Case{"Windows1251Bytes", "\xD5\xEB\xE5\xE1", u"\uFFFD\uFFFD\uFFFD\uFFFD", false}),
    [](const auto& info) { return std::string(info.param.Title); });

TEST(Utf16ToUtf8, LoneSurrogateBecomesReplacement) {
    EXPECT_EQ(Utf16ToUtf8(std::u16string(u"a\xD83D") + u"b"), "a\xEF\xBF\xBD"
                                                              "b");
}

} // namespace
