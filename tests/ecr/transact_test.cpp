#include <chrono>
#include <string>

#include <gtest/gtest.h>

#include "serial/ecr_error.h"
#include "tests/ecr/register_line.h"

namespace {
using Clock = std::chrono::steady_clock;
// Hang guard for one silent wait of the one-second per-byte time-out.
constexpr auto SilenceBound = std::chrono::seconds(3);

// Runs call and gives the code of the ECRError it throws, 0 when it throws none.
template <class Call> std::int32_t LinkErrorOf(Call call) {
    try {
        call();
    } catch (const ECRError& error) {
        return error.GetErrorCode();
    }
    return 0;
}
} // namespace

class TransactTest : public RegisterLine {};

TEST_F(TransactTest, CompleteReplyGivesItsPayload) {
    AnswerNextFrame(ReplyFrame("R:12"));
    EXPECT_EQ(Bytes(Ecr->Transact("*q")), "R:12");
    EXPECT_EQ(Hex(ReceivedFrame()), "1B 50 2A 71 41 34 1B 5C");
}

TEST_F(TransactTest, SilenceThrowsTimeout) {
    AnswerNextFrame("");
    const auto start = Clock::now();
    EXPECT_EQ(LinkErrorOf([&] { Ecr->Transact("*q"); }), ErrorTimeout);
    EXPECT_LT(Clock::now() - start, SilenceBound);
    ReceivedFrame();
}

TEST_F(TransactTest, ReplyCutShortThrowsTimeout) {
    AnswerNextFrame("\x1BPRRR:0");
    Ecr->SetErrorCode(99);
    EXPECT_EQ(LinkErrorOf([&] { Ecr->LogOut(); }), ErrorTimeout);
    ReceivedFrame();
    EXPECT_EQ(Ecr->GetErrorCode(), 99);
}

TEST_F(TransactTest, TerminatorByteInsideThePayloadIsData) {
    // Only ESC "\" closes the reply; the whole of it is read, nothing stays on the line.
    AnswerNextFrame("\x1BPRRR:12345\\6789\x1B\\");
    EXPECT_EQ(Bytes(Ecr->Transact("*q")), "R:12345\\67");
    ReceivedFrame();
    AnswerNextFrame(CodeReply(5));
    EXPECT_EQ(Ecr->DeleteArticle(6), 5);
    ReceivedFrame();
}

TEST_F(TransactTest, EmptyPayloadIsACommunicationErrorAndStoresNoCode) {
    // A whole frame without a code where one must stand is no answer, never success.
    AnswerNextFrame(ReplyFrame(""));
    Ecr->SetErrorCode(99);
    EXPECT_EQ(LinkErrorOf([&] { Ecr->DeleteArticle(5); }), ErrorBadReply);
    ReceivedFrame();
    EXPECT_EQ(Ecr->GetErrorCode(), 99);
}

TEST_F(TransactTest, BackslashesWithoutTheClosingPairWaitForIt) {
    // A line that keeps sending lone "\" bytes ends in the time-out, not in a reply.
    AnswerNextFrame(std::string("\x1BPRRR:0") + std::string(40, '\\'));
    EXPECT_EQ(LinkErrorOf([&] { Ecr->LogOut(); }), ErrorTimeout);
    ReceivedFrame();
}

TEST_F(TransactTest, ReplyCutByNulThrowsAndItsRestIsNotTheNextReply) {
    // After the NUL comes what looks like a whole reply with code 77; it is stale.
    AnswerNextFrame(std::string("\x1BPRR", 4) + std::string(1, '\0') + CodeReply(77));
    EXPECT_EQ(LinkErrorOf([&] { Ecr->DeleteArticle(5); }), ErrorTimeout);
    ReceivedFrame();

    AnswerNextFrame(CodeReply(3));
    EXPECT_EQ(Ecr->DeleteArticle(6), 3);
    EXPECT_EQ(Hex(CommandOf(ReceivedFrame())), "23 64 35 FE 36 09");
}

TEST_F(TransactTest, StaleBytesWaitingOnTheLineAreDropped) {
    Pty->Send(CodeReply(77));
    AnswerNextFrame(CodeReply(4));
    EXPECT_EQ(Ecr->SetPrinting(true), 4);
    ReceivedFrame();
}

TEST_F(TransactTest, FailedWritePassesTheLinkErrorThrough) {
    ASSERT_TRUE(Serial->Close());
    EXPECT_EQ(LinkErrorOf([&] { Ecr->Acknowledge(); }), ErrorWritingPort);
    EXPECT_EQ(LinkErrorOf([&] { Ecr->NotAcknowledge(); }), ErrorWritingPort);
}

TEST_F(TransactTest, LinkThatCannotDropStaleInputStopsTheExchange) {
    ASSERT_TRUE(Serial->Close());
    Ecr->SetErrorCode(99);
    constexpr std::int32_t ErrorReadingPort = 9;
    EXPECT_EQ(LinkErrorOf([&] { Ecr->LogOut(); }), ErrorReadingPort);
    EXPECT_EQ(LinkErrorOf([&] { Ecr->Ping(); }), ErrorReadingPort);
    EXPECT_EQ(Ecr->GetErrorCode(), 99);
}

TEST_F(TransactTest, PingIsTrueOnAnyOneByteAnswer) {
    AnswerNextFrame("\x15");
    EXPECT_TRUE(Ecr->Ping());
    EXPECT_EQ(Hex(ReceivedFrame()), "05");
}

TEST_F(TransactTest, PingIsFalseOnSilence) {
    AnswerNextFrame("");
    const auto start = Clock::now();
    EXPECT_FALSE(Ecr->Ping());
    EXPECT_LT(Clock::now() - start, SilenceBound);
    EXPECT_EQ(Hex(ReceivedFrame()), "05");
}

TEST_F(TransactTest, AcknowledgeAndNotAcknowledgeSendOneByteEach) {
    AnswerNextFrame("");
    Ecr->Acknowledge();
    EXPECT_EQ(Hex(ReceivedFrame()), "06");
    AnswerNextFrame("");
    Ecr->NotAcknowledge();
    EXPECT_EQ(Hex(ReceivedFrame()), "15");
}

// After a connection is made again the register may first send the rest of the reply cut
// with the old one; the enquiry's answer comes after it, and the line is clear then.
struct CutReplyCase {
    const char* Name;
    const char* Answer;
    bool Answered;
};

class PingPastCutReplyTest : public RegisterLine,
                             public ::testing::WithParamInterface<CutReplyCase> {};

TEST_P(PingPastCutReplyTest, ReadsUpToTheAnswerAndLeavesTheLineClear) {
    AnswerNextFrame(GetParam().Answer);
    EXPECT_EQ(Ecr->PingPastCutReply(), GetParam().Answered);
    EXPECT_EQ(Hex(ReceivedFrame()), "05");
    AnswerNextFrame(CodeReply(7));
    EXPECT_EQ(Ecr->DeleteArticle(6), 7);
    ReceivedFrame();
}

INSTANTIATE_TEST_SUITE_P(
    Answers, PingPastCutReplyTest,
    ::testing::Values(CutReplyCase{"AckAlone", "\x06", true},
                      CutReplyCase{"CutReplyThenAck", "PRRR:0\x1B\\\x06", true},
                      CutReplyCase{"WholeReplyThenNak", "\x1BPRRR:0\x1B\\\x15", true},
                      CutReplyCase{"CutReplyAlone", "\x1BPRRR:0\x1B\\", false}),
    [](const ::testing::TestParamInfo<CutReplyCase>& info) {
        return std::string(info.param.Name);
    });
