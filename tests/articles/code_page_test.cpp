#include <clocale>
#include <locale.h>

#include <gtest/gtest.h>

#include "text/code_page.h"

namespace {

// "Хлеб бели 500г" and "Јогурт" in Windows-1251.
constexpr char BreadBytes[] = "\xD5\xEB\xE5\xE1 \xE1\xE5\xEB\xE8 500\xE3";
constexpr char YoghurtBytes[] = "\xA3\xEE\xE3\xF3\xF0\xF2";

TEST(CodePage, CyrillicToCodePage) {
    EXPECT_EQ(Utf16ToCp1251(u"Хлеб бели 500г"), BreadBytes);
    EXPECT_EQ(Utf16ToCp1251(u"Јогурт"), YoghurtBytes);
}

TEST(CodePage, CyrillicFromCodePage) {
    EXPECT_EQ(Cp1251ToUtf16(BreadBytes), u"Хлеб бели 500г");
    EXPECT_EQ(Cp1251ToUtf16(YoghurtBytes), u"Јогурт");
}

TEST(CodePage, SerbianLatinLosesDiacritics) {
    EXPECT_EQ(Utf16ToCp1251(u"ČčŠšŽžĐđĆć"), "CcSsZzDdCc");
    EXPECT_EQ(Utf16ToCp1251(u"Čokolada mlečna"), "Cokolada mlecna");
}

TEST(CodePage, EuroSignExistsInCodePage) {
    EXPECT_EQ(Utf16ToCp1251(u"5€"), "5\x88");
    EXPECT_EQ(Cp1251ToUtf16("5\x88"), u"5€");
}

TEST(CodePage, CharacterWithoutFormBecomesQuestionMark) {
    EXPECT_EQ(Utf16ToCp1251(u"a中b"), "a?b");
    EXPECT_EQ(Utf16ToCp1251(u"x\U0001F600y"), "x?y"); // a whole pair is one character
}

TEST(CodePage, LoneSurrogatesBecomeQuestionMarks) {
    EXPECT_EQ(Utf16ToCp1251(std::u16string(u"a\xD83D") + u"b"), "a?b");
    EXPECT_EQ(Utf16ToCp1251(std::u16string(1, u'\xDE00') + u"b"), "?b");
    EXPECT_EQ(Utf16ToCp1251(u"end\xD83D"), "end?");
}

TEST(CodePage, NulUnitBecomesQuestionMark) {
    EXPECT_EQ(Utf16ToCp1251(std::u16string(u"a\0b", 3)), "a?b");
}

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

TEST(CodePage, EmptyTexts) {
    EXPECT_EQ(Utf16ToCp1251(u""), "");
    EXPECT_EQ(Cp1251ToUtf16(""), u"");
}

} // namespace
