#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "tests/ecr/register_line.h"

namespace {
// A code no reply in these tests carries, to see whether a command stored one.
constexpr std::int32_t Untouched = 99;
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
        // A refusal written with a sign still carries its code.
        ErrorCodeCase{"SignedCode", [](TalonECR& e) { return e.DeleteArticle(5); },
                      ReplyFrame("R:-7"), -7, -7},
        ErrorCodeCase{"ReadRefused", [](TalonECR& e) { return ReadAny(e, 3); }, CodeReply(20), -1,
                      20},
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
    EXPECT_EQ(Fields(item), "KEEP||4.5|0|0|0|0|0|0|0|0|0|0|0");
}

TEST_F(RegisterLine, ReadOfSixCharactersIsDecoded) {
    TalonPLUItem item;
    item.SetPrice(4.5);
    AnswerNextFrame(ReplyFrame("RR0201"));
    EXPECT_EQ(Ecr->ReadArticle(1, item), 0);
    ReceivedFrame();
    EXPECT_EQ(Fields(item), "RR0201||0|0|0|0|0|0|0|0|0|0|0|0");
}

// A whole reply: the result is the NextID, the record holds all fourteen fields and no
// code is stored.
TEST_F(RegisterLine, ReadDecodesTheWholeArticle) {
    Ecr->SetErrorCode(Untouched);
    TalonPLUItem item;
    AnswerNextFrame(ReplyFrame(WithSep("MLEKO\n8600001\n12050\t3|1|0|1|0|1|2|1500\t9999\t5\t9\t")));
    EXPECT_EQ(Ecr->ReadArticle(5, item), 9);
    ReceivedFrame();
    EXPECT_EQ(Ecr->GetErrorCode(), Untouched);
    EXPECT_EQ(Fields(item), "MLEKO|8600001|120.5|3|1|0|1|0|1|2|1.5|99.99|5|9");
}

TEST_F(RegisterLine, StatusReplyFillsTheHeldRecord) {
    AnswerNextFrame(
        ReplyFrame(WithSep("7|1|3|2024|5|31|123\nIB\nV1\n8\t20\t4\t6\t77\t150\t3\t9\t")));
    Ecr->RequestStatus();
    ReceivedFrame();
    const TalonStatusItem& status = Ecr->GetStatusItem();
    EXPECT_EQ(&status, &Ecr->GetStatusItem());
    EXPECT_EQ(status.GetArticles(), 150);
    EXPECT_EQ(Bytes(status.GetVersion()), "V1");
}
