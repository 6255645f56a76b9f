#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "text/utf8_decoder.h"

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
    Utf8Decoder decoder;
    std::u16string units;
    for (const char b : GetParam().Bytes) {
        decoder.Feed(static_cast<unsigned char>(b), units);
    }
    decoder.Finish(units);
    EXPECT_EQ(units, GetParam().Units);
    EXPECT_EQ(decoder.Valid(), GetParam().Valid);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf8Decoding,
    ::testing::Values(Utf8Case{"OneToFourBytes", "a\xD0\xA5\xE2\x82\xAC\xF0\x9F\x98\x80",
                               u"aХ€\U0001F600", true},
                      Utf8Case{"Overlong", "\xE0\x80\x80", u"\uFFFD", false},
                      Utf8Case{"EncodedSurrogate", "\xED\xA0\x80", u"\uFFFD", false},
                      Utf8Case{"BrokenOffBeforeAscii", "\xE2\x82!", u"\uFFFD!", false},
                      Utf8Case{"CutAtTheEnd", "a\xE2\x82", u"a\uFFFD", false},
                      Utf8Case{"Windows1251Bytes", "\xD5\xEB", u"\uFFFD\uFFFD", false}),
    [](const auto& info) { return std::string(info.param.Title); });

} // namespace
