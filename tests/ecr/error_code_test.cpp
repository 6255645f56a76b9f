#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "plu/talon_plu_item.h"
#include "tests/ecr/register_line.h"

namespace {
// A code no reply in these tests carries, to see whether a command stored one.
constexpr std::int32_t Untouched = 99;

// A whole article reply: fourteen fields in reading order.
const std::string ArticleReply = "MLEKO\n"
                                 "8600001\n"
                                 "12050\t"
                                 "3\xFE"
                                 "1\xFE"
                                 "0\xFE"
                                 "1\xFE"
                                 "0\xFE"
                                 "1\xFE"
                                 "2\xFE"
                                 "1500\t"
                                 "9999\t"
                                 "5\t"
                                 "9\t";
} // namespace

struct ErrorCodeCase {
    const char* Name;
    std::function<std::int32_t(TalonECR&)> Run; // the command's own result
    std::string Reply;
    std::int32_t Result;
    std::int32_t StoredCode;
};

void PrintTo(const ErrorCodeCase& c, std::ostream* os) {
    *os << c.Name;
}

class ErrorCodeTest : public RegisterLine, public ::testing::WithParamInterface<ErrorCodeCase> {};

TEST_P(ErrorCodeTest, StoresTheCodeOfTheJudgedReply) {
    Ecr->SetErrorCode(Untouched);
    AnswerNextFrame(GetParam().Reply);
    EXPECT_EQ(GetParam().Run(*Ecr), GetParam().Result);
    ReceivedFrame();
    EXPECT_EQ(Ecr->GetErrorCode(), GetParam().StoredCode);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ErrorCodeTest,
    ::testing::Values(
        ErrorCodeCase{"WriteOk", [](TalonECR& e) { return e.WriteArticle(TalonPLUItem(), 2); },
                      CodeReply(0), 0, 0},
        ErrorCodeCase{"WriteRefused", [](TalonECR& e) { return e.WriteArticle(TalonPLUItem(), 2); },
                      CodeReply(122), 122, 122},
        ErrorCodeCase{"DeleteOk", [](TalonECR& e) { return e.DeleteArticle(5); }, CodeReply(0), 0,
                      0},
        ErrorCodeCase{"DeleteRefused", [](TalonECR& e) { return e.DeleteArticle(5); },
                      CodeReply(20), 20, 20},
        ErrorCodeCase{"LogInOk", [](TalonECR& e) { return e.LogIn("7351") ? 1 : 0; }, CodeReply(0),
                      1, 0},
        ErrorCodeCase{"LogInRefused", [](TalonECR& e) { return e.LogIn("1") ? 1 : 0; },
                      CodeReply(104), 0, 104},
        ErrorCodeCase{"LogOutOk", [](TalonECR& e) { return e.LogOut() ? 1 : 0; }, CodeReply(0), 1,
                      0},
        ErrorCodeCase{"LogOutRefused", [](TalonECR& e) { return e.LogOut() ? 1 : 0; }, CodeReply(9),
                      0, 9},
        ErrorCodeCase{"PrintOk", [](TalonECR& e) { return e.SetPrinting(true); }, CodeReply(0), 0,
                      0},
        ErrorCodeCase{"PrintRefused", [](TalonECR& e) { return e.SetPrinting(false); },
                      CodeReply(9), 9, 9},
        // A complete reply with an empty payload reads as success.
        ErrorCodeCase{"EmptyPayload", [](TalonECR& e) { return e.DeleteArticle(5); },
                      ReplyFrame(""), 0, 0},
        ErrorCodeCase{"ReadRefused",
                      [](TalonECR& e) {
                          TalonPLUItem item;
                          return e.ReadArticle(3, item);
                      },
                      CodeReply(20), -1, 20},
        ErrorCodeCase{"ReadOk",
                      [](TalonECR& e) {
                          TalonPLUItem item;
                          return e.ReadArticle(5, item);
                      },
                      ReplyFrame(ArticleReply), 9, Untouched},
        ErrorCodeCase{"Status",
                      [](TalonECR& e) {
                          e.RequestStatus();
                          return 0;
                      },
                      CodeReply(255), 0, Untouched}),
    [](const ::testing::TestParamInfo<ErrorCodeCase>& info) { return info.param.Name; });

TEST_F(RegisterLine, ReadOfFiveCharactersIsAnErrorAndLeavesTheRecord) {
    TalonPLUItem item;
    item.SetDescription("KEEP");
    item.SetPrice(4.5);
    AnswerNextFrame(ReplyFrame("RR020"));
    EXPECT_EQ(Ecr->ReadArticle(1, item), -1);
    ReceivedFrame();
    EXPECT_EQ(Ecr->GetErrorCode(), 20);
    EXPECT_EQ(Bytes(item.GetDescription()), "KEEP");
    EXPECT_DOUBLE_EQ(item.GetPrice(), 4.5);
}

TEST_F(RegisterLine, ReadOfSixCharactersIsDecoded) {
    TalonPLUItem item;
    item.SetPrice(4.5);
    AnswerNextFrame(ReplyFrame("RR0201"));
    EXPECT_EQ(Ecr->ReadArticle(1, item), 0);
    ReceivedFrame();
    EXPECT_EQ(Bytes(item.GetDescription()), "RR0201");
    EXPECT_DOUBLE_EQ(item.GetPrice(), 0.0);
}

TEST_F(RegisterLine, ReadDecodesTheWholeArticle) {
    TalonPLUItem item;
    AnswerNextFrame(ReplyFrame(ArticleReply));
    EXPECT_EQ(Ecr->ReadArticle(5, item), 9);
    ReceivedFrame();
    EXPECT_EQ(Bytes(item.GetDescription()), "MLEKO");
    EXPECT_EQ(Bytes(item.GetCode()), "8600001");
    EXPECT_DOUBLE_EQ(item.GetPrice(), 120.5);
    EXPECT_EQ(item.GetTaxRate(), 3);
    EXPECT_TRUE(item.GetPriceFixed());
    EXPECT_FALSE(item.GetMaxPrice());
    EXPECT_TRUE(item.GetMinPrice());
    EXPECT_EQ(item.GetMeasurement(), 2);
    EXPECT_DOUBLE_EQ(item.GetQuantitySold(), 1.5);
    EXPECT_DOUBLE_EQ(item.GetTurnover(), 99.99);
    EXPECT_EQ(item.GetThisID(), 5);
    EXPECT_EQ(item.GetNextID(), 9);
}

TEST_F(RegisterLine, StatusReplyFillsTheHeldRecord) {
    AnswerNextFrame(ReplyFrame("7\xFE"
                               "1\xFE"
                               "3\xFE"
                               "2024\xFE"
                               "5\xFE"
                               "31\xFE"
                               "123\n"
                               "IB\n"
                               "V1\n"
                               "8\t"
                               "20\t"
                               "4\t"
                               "6\t"
                               "77\t"
                               "150\t"
                               "3\t"
                               "9\t"));
    Ecr->RequestStatus();
    ReceivedFrame();
    const TalonStatusItem& status = Ecr->GetStatusItem();
    EXPECT_EQ(&status, &Ecr->GetStatusItem());
    EXPECT_EQ(status.GetArticles(), 150);
    EXPECT_EQ(Bytes(status.GetVersion()), "V1");
}
