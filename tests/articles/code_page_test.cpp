#include <clocale>
#include <locale.h>

#include <gtest/gtest.h>

#include "text/code_page.h"

namespace {

// "Хлеб бели 500г" and "Јогурт" in Windows-1251.
constexpr char BreadBytes[] = "\xD5\xEB\xE5\xE1 \xE1\xE5\xEB\xE8 500\xE3";
constexpr char YoghurtBytes[] = "\xA3\xEE\xE3\xF3\xF0\xF2";

struct ToCase {
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
    ::testing::Values(ToCase{u"Хлеб бели 500г", BreadBytes, true},
                      ToCase{u"Јогурт", YoghurtBytes, true}, ToCase{u"5€", "5\x88", true},
                      ToCase{u"", "", true},
                      // Serbian Latin letters lose their diacritics.
                      ToCase{u"ČčŠšŽžĐđĆć", "CcSsZzDdCc", false},
                      ToCase{u"Čokolada mlečna", "Cokolada mlecna", false},
                      // A character without a form, a whole pair, a lone surrogate, NUL: "?".
                      ToCase{u"a中b", "a?b", false}, ToCase{u"x\U0001F600y", "x?y", false},
                      ToCase{std::u16string(u"a\xD83D") + u"b", "a?b", false},
                      ToCase{std::u16string(1, u'\xDE00') + u"b", "?b", false},
                      ToCase{u"end\xD83D", "end?", false},
                      ToCase{std::u16string(u"a\0b", 3), "a?b", false}));

TEST(CodePage, EveryDefinedByteRoundTrips) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        if (b != 0x98) {
            all += static_cast<char>(b);
        }
    }
    EXPECT_EQ(Utf16ToCp1251(Cp1251ToUtf16(all)), all);
}

TEST(CodePage, UndefinedByteKeepsItsValue) {
    EXPECT_EQ(Cp1251ToUtf16("a\x98z"), u"a\u0098z");
}

TEST(CodePage, IndependentOfProcessLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "C");
    const locale_t before = uselocale(static_cast<locale_t>(0));
    EXPECT_EQ(Utf16ToCp1251(u"Đevrek Žvake"), "Devrek Zvake");
    EXPECT_EQ(uselocale(static_cast<locale_t>(0)), before); // the thread's locale is back
    std::setlocale(LC_ALL, saved.c_str());
}

} // namespace
