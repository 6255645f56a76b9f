#include <string>

#include <gtest/gtest.h>

#include "ecr/talon_status_item.h"
#include "tests/ecr/register_line.h"

namespace {
// Six numbers with SEP, three texts with LF, eight numbers with TAB.
const std::string FirstNine = "7\xFE"
                              "1\xFE"
                              "3\xFE"
                              "2024\xFE"
                              "5\xFE"
                              "31\xFE"
                              "123456789\n"
                              "AB12345678\n"
                              "TALON 1.0\n";
const std::string LastEight = "8\t"
                              "20\t"
                              "4\t"
                              "6\t"
                              "77\t"
                              "2400\t"
                              "3\t"
                              "9\t";

TalonStatusItem Parsed(const std::string& payload) {
    TalonStatusItem item;
    item.Parse(payload.c_str());
    return item;
}

void ExpectFirstNine(const TalonStatusItem& item) {
    EXPECT_EQ(item.GetModel(), 7);
    EXPECT_EQ(item.GetFiscalized(), 1);
    EXPECT_EQ(item.GetTotalizers(), 3);
    EXPECT_EQ(item.GetYear(), 2024);
    EXPECT_EQ(item.GetMonth(), 5);
    EXPECT_EQ(item.GetDay(), 31);
    EXPECT_EQ(Bytes(item.GetTaxId()), "123456789");
    EXPECT_EQ(Bytes(item.GetFiscalModuleId()), "AB12345678");
    EXPECT_EQ(Bytes(item.GetVersion()), "TALON 1.0");
}

void ExpectLastEightZero(const TalonStatusItem& item) {
    EXPECT_EQ(item.GetDepartments(), 0);
    EXPECT_EQ(item.GetProgrammableKeys(), 0);
    EXPECT_EQ(item.GetCashiers(), 0);
    EXPECT_EQ(item.GetPaymentMethods(), 0);
    EXPECT_EQ(item.GetArticles(), 0);
    EXPECT_EQ(item.GetBarcodeFormats(), 0);
    EXPECT_EQ(item.GetPackagings(), 0);
}
} // namespace

TEST(TalonStatusItem, FullReply) {
    const TalonStatusItem item = Parsed(FirstNine + LastEight);
    ExpectFirstNine(item);
    EXPECT_EQ(item.GetDepartments(), 8);
    EXPECT_EQ(item.GetProgrammableKeys(), 20);
    EXPECT_EQ(item.GetCashiers(), 4);
    EXPECT_EQ(item.GetPaymentMethods(), 6);
    // The fourteenth field (77) has no accessor but must be consumed.
    EXPECT_EQ(item.GetArticles(), 2400);
    EXPECT_EQ(item.GetBarcodeFormats(), 3);
    EXPECT_EQ(item.GetPackagings(), 9);
}

TEST(TalonStatusItem, ExtraBytesAfterTheLastFieldAreIgnored) {
    const TalonStatusItem item = Parsed(FirstNine + LastEight + "55\t66\xFEjunk");
    ExpectFirstNine(item);
    EXPECT_EQ(item.GetArticles(), 2400);
    EXPECT_EQ(item.GetPackagings(), 9);
}

TEST(TalonStatusItem, ReplyEndingAfterNinthFieldZeroesTheRest) {
    TalonStatusItem item = Parsed(FirstNine + LastEight);
    item.Parse(FirstNine.c_str());
    ExpectFirstNine(item);
    ExpectLastEightZero(item);
}

TEST(TalonStatusItem, ErrorReplyBecomesFieldOneAndClearsEveryField) {
    TalonStatusItem item = Parsed(FirstNine + LastEight);
    item.Parse("RR255");
    EXPECT_EQ(item.GetModel(), 0);
    EXPECT_EQ(item.GetFiscalized(), 0);
    EXPECT_EQ(item.GetDay(), 0);
    EXPECT_EQ(Bytes(item.GetTaxId()), "");
    EXPECT_EQ(Bytes(item.GetFiscalModuleId()), "");
    EXPECT_EQ(Bytes(item.GetVersion()), "");
    ExpectLastEightZero(item);
}

TEST(TalonStatusItem, NumericErrorReplyIsReadAsTheModel) {
    const TalonStatusItem item = Parsed("255");
    EXPECT_EQ(item.GetModel(), 255);
    EXPECT_EQ(item.GetFiscalized(), 0);
}
