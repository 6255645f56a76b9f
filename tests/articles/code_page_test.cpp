#include <clocale>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "text/code_page.h"

// Every case here runs on Linux and on Windows: the two conversions must give the same
// bytes.

namespace {

// "Хлеб бели 500г" and "Јогурт" in Windows-1251.
constexpr char BreadBytes[] = "\xD5\xEB\xE5\xE1 \xE1\xE5\xEB\xE8 500\xE3";
constexpr char YoghurtBytes[] = "\xA3\xEE\xE3\xF3\xF0\xF2";

struct ToCase {
    const char* Name;
    std::u16string Text;
    std::string Bytes;
    bool BothWays; // the bytes also convert back to exactly the text
};

class CodePageTo : public ::testing::TestWithParam<ToCase> {};

TEST_P(CodePageTo, Bytes) {
    EXPECT_EQ(Utf16ToCp1251(GetParam().Text), GetParam().Bytes);
    if (GetParam().BothWays) {
        EXPECT_EQ(Cp1251ToUtf16(GetParam().Bytes), GetParam().Text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CodePageTo,
    ::testing::Values(
        ToCase{"Cyrillic", u"Хлеб бели 500г", BreadBytes, true},
        ToCase{"SerbianCyrillic", u"Јогурт", YoghurtBytes, true},
        ToCase{"Euro", u"5€", "5\x88", true}, ToCase{"Empty", u"", "", true},
        // Serbian Latin letters lose their diacritics; digraph letters become two.
        ToCase{"SerbianLatin", u"ČčŠšŽžĐđĆć", "CcSsZzDdCc", false},
        ToCase{"SerbianLatinWord", u"Čokolada mlečna", "Cokolada mlecna", false},
        ToCase{"SerbianDigraphs", u"ǄǅǆǇǈǉǊǋǌ", "DZDzdzLJLjljNJNjnj", false},
        // Any other letter without a 1251 form is "?": no guesses of the platform's own.
        ToCase{"OtherLatinLetters", u"éüß", "???", false},
        ToCase{"ControlWithoutForm", u"a\u0081b", "a?b", false},
        ToCase{"UndefinedByteKeepsItsValue", u"a\u0098z", "a\x98z", true},
        // A character without a form, a whole pair, a lone surrogate, NUL: "?".
        ToCase{"NoForm", u"a中b", "a?b", false},
        ToCase{"SurrogatePair", u"x\U0001F600y", "x?y", false},
        ToCase{"LoneHighSurrogate", std::u16string(u"a\xD83D") + u"b", "a?b", false},
        ToCase{"LoneLowSurrogate", std::u16string(1, u'\xDE00') + u"b", "?b", false},
        ToCase{"HighSurrogateAtEnd", u"end\xD83D", "end?", false},
        ToCase{"Nul", std::u16string(u"a\0b", 3), "a?b", false}),
    [](const ::testing::TestParamInfo<ToCase>& info) { return std::string(info.param.Name); });

// The upper half of the code page, sixteen bytes a row, with the characters they stand for.
struct RowCase {
    unsigned First;
    std::u16string Characters;
};

class CodePageRow : public ::testing::TestWithParam<RowCase> {};

TEST_P(CodePageRow, EveryByteBothWays) {
    std::string bytes;
    for (unsigned b = GetParam().First; b < GetParam().First + 16; ++b) {
        bytes += static_cast<char>(b);
    }
    EXPECT_EQ(Cp1251ToUtf16(bytes), GetParam().Characters);
    EXPECT_EQ(Utf16ToCp1251(GetParam().Characters), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    UpperHalf, CodePageRow,
    ::testing::Values(RowCase{0x80, u"ЂЃ‚ѓ„…†‡€‰Љ‹ЊЌЋЏ"}, RowCase{0x90, u"ђ‘’“”•–—\u0098™љ›њќћџ"},
                      RowCase{0xA0, u"\u00A0ЎўЈ¤Ґ¦§Ё©Є«¬\u00AD®Ї"},
                      RowCase{0xB0, u"°±Ііґµ¶·ё№є»јЅѕї"}, RowCase{0xC0, u"АБВГДЕЖЗИЙКЛМНОП"},
                      RowCase{0xD0, u"РСТУФХЦЧШЩЪЫЬЭЮЯ"}, RowCase{0xE0, u"абвгдежзийклмноп"},
                      RowCase{0xF0, u"рстуфхцчшщъыьэюя"}),
    [](const ::testing::TestParamInfo<RowCase>& info) {
        char name[16];
        std::snprintf(name, sizeof name, "From%02X", info.param.First);
        return std::string(name);
    });

TEST(CodePage, EveryByteRoundTrips) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(Utf16ToCp1251(Cp1251ToUtf16(all)), all);
}

TEST(CodePage, IndependentOfProcessLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(Utf16ToCp1251(u"Đevrek Žvake"), "Devrek Zvake");
    EXPECT_EQ(Utf16ToCp1251(u"Хлеб"), "\xD5\xEB\xE5\xE1");
    std::setlocale(LC_ALL, saved.c_str());
}

} // namespace
