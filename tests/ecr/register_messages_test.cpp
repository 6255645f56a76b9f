#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "ecr/talon_error.h"
#include "tests/plu/plu_test_text.h"
#include "tests/support/case_name.h"

struct MessageCase {
    std::int32_t Code;
    std::string Text;
};

class RegisterMessageTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(RegisterMessageTest, TextOfCode) {
    EXPECT_EQ(Bytes(RegisterMessage(GetParam().Code)), GetParam().Text);
    TalonError error;
    error.SetErrorCode(GetParam().Code);
    EXPECT_EQ(Bytes(error.GetErrorMessage()), GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, RegisterMessageTest,
    ::testing::Values(
        MessageCase{0, "Operacija je uspesna"},
        MessageCase{20, "Izabran je nezaprogramirani broj u bazi PLU"},
        MessageCase{35, "Greska u satu vise od \xB1"
                        "1 sata"},
        MessageCase{54, "Greska storno poslednje pozicije (nema poslednje pozicije "
                        "ili je vec stornirana)"},
        MessageCase{104, "Pogresna sifra korisnika"}, MessageCase{108, "Nije jedinstven naziv"},
        MessageCase{113, "Nije jedinstven naziv"},
        MessageCase{135, "Graficki podatak je izvan opsega 0-9, A-F."},
        MessageCase{152, "Baza podataka je ostecena"}, MessageCase{254, "Funkcija nije dozvoljena"},
        MessageCase{255, "Funkcija nije dostupna"}, MessageCase{16, "???"}, MessageCase{153, "???"},
        MessageCase{253, "???"}, MessageCase{-1, "???"}, MessageCase{256, "???"},
        MessageCase{INT_MIN, "???"}, MessageCase{INT_MAX, "???"}),
    [](const auto& info) { return "code_" + CaseName(info.param.Code); });

TEST(RegisterMessages, NinetyFiveCodesHaveTextsOfTheirOwn) {
    int own = 0;
    for (int code = 0; code < RegisterMessageCount; ++code) {
        own += RegisterMessages[code] != "???" ? 1 : 0;
    }
    EXPECT_EQ(own, 95);
}

TEST(RegisterMessages, OnlyCode35LeavesPlainAscii) {
    for (int code = 0; code < RegisterMessageCount; ++code) {
        const ECRString& text = RegisterMessages[code];
        bool ascii = true;
        for (std::uint32_t i = 0; i < text.GetLength(); ++i) {
            ascii = ascii && text.At(i) < 0x80;
        }
        EXPECT_EQ(ascii, code != 35) << "code " << code;
    }
}
