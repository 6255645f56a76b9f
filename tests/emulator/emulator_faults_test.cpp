// The faults the emulator plays for the program's robustness tests, and its records.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "tests/emulator/emulator_fixture.h"

namespace {

constexpr int QuietMs = 300; // long enough for a reply that should not come

class EmulatorFaults : public EmulatorLine {
protected:
    void SetUp() override {
        EmulatorLine::SetUp();
        LogIn();
        for (const int location : {2, 4, 6}) {
            ASSERT_EQ(CodeOf(WriteCommand(location, "N" + std::to_string(location),
                                          "B" + std::to_string(location), 100)),
                      0);
        }
        StatusReply = Line->Exchange("$s");
        ASSERT_FALSE(StatusReply.empty());
    }
    // The NextID field of the reading answer for this location.
    int NextOf(int location) {
        const std::string body = Body(Line->Exchange(ReadCommand(location)));
        const auto lastTab = body.rfind('\t', body.size() - 2);
        return std::atoi(body.c_str() + lastTab + 1);
    }

    std::string StatusReply;
};

TEST_F(EmulatorFaults, SilenceAfterNAnswersHoldsUntilResume) {
    Emulator.GoSilentAfter(2);
    Line->Send("\x05");
    EXPECT_EQ(Line->ReadCount(1), "\x06");
    EXPECT_EQ(Line->Exchange("$s"), StatusReply);
    Line->Send("\x05");
    EXPECT_EQ(Line->ReadCount(1, QuietMs), "");
    Line->Send(Framed("*q"));
    EXPECT_EQ(Line->ReadReply(QuietMs), "");
    Emulator.Resume();
    // Nothing of the unanswered commands comes late, and a silent register does nothing.
    EXPECT_EQ(Line->Exchange("$s"), StatusReply);
    EXPECT_TRUE(Emulator.LoggedIn());
    EXPECT_EQ(Emulator.ReceivedCommands().back(), "$s");
}

TEST_F(EmulatorFaults, CutReplySendsOnlyItsFirstBytes) {
    Emulator.CutNextReply(5);
    Line->Send(Framed("$s"));
    // The cut reply has no terminator, so it runs into the next one.
    EXPECT_EQ(Line->Exchange("$s"), StatusReply.substr(0, 5) + StatusReply);
}

TEST_F(EmulatorFaults, NulReplacesOneByteOfTheNextReply) {
    Emulator.NulInNextReply(7);
    std::string spoiled = StatusReply;
    spoiled[7] = '\0';
    EXPECT_EQ(Line->Exchange("$s"), spoiled);
    EXPECT_EQ(Line->Exchange("$s"), StatusReply);
}

TEST_F(EmulatorFaults, GarbageReplacesTheNextReply) {
    Emulator.GarbageNextReply("\x01xyz\\");
    EXPECT_EQ(Line->Exchange("$s"), "\x01xyz\\");
    EXPECT_EQ(Line->Exchange("$s"), StatusReply);
}

TEST_F(EmulatorFaults, NoiseGoesOutBeforeTheNextReplyOnly) {
    Emulator.NoiseBeforeNextReply("\x01z\\");
    Line->Send(Framed("$s"));
    EXPECT_EQ(Line->ReadCount(3 + StatusReply.size()), "\x01z\\" + StatusReply);
    EXPECT_EQ(Line->Exchange("$s"), StatusReply);
}

TEST_F(EmulatorFaults, NextReplyWithoutDigitsIsWholeAndTheCommandIsCarriedOut) {
    Emulator.NoDigitsInNextReply();
    const std::string reply = Line->Exchange(DeleteCommand(2));
    EXPECT_EQ(Body(reply), "RCOK");
    EXPECT_EQ(reply.substr(reply.size() - 2), "\x1B\\");
    EXPECT_EQ(Emulator.Articles().count(2), 0u);
    EXPECT_EQ(CodeOf(DeleteCommand(4)), 0);
}

TEST_F(EmulatorFaults, GarbageAnswersEveryWriteOfItsLocationUntilResume) {
    Emulator.GarbageForWrites(8, "\x01xyz\\");
    Line->Send(Framed(WriteCommand(8, "N8", "B8", 100)));
    EXPECT_EQ(Line->ReadReply(), "\x01xyz\\");
    EXPECT_EQ(Emulator.Articles().count(8), 1u); // carried out, only the reply is spoilt
    EXPECT_EQ(CodeOf(WriteCommand(9, "N9", "B9", 100)), 0);
    Line->Send(Framed(WriteCommand(8, "N8", "B8", 200)));
    EXPECT_EQ(Line->ReadReply(), "\x01xyz\\");
    Emulator.Resume();
    EXPECT_EQ(CodeOf(WriteCommand(8, "N8", "B8", 300)), 0);
}

TEST_F(EmulatorFaults, KeptBackslashesReachTheLineUntilResume) {
    ASSERT_EQ(CodeOf(WriteCommand(8, "A\\B", "B8", 100)), 0);
    Emulator.KeepBackslashesInReplies();
    Line->Send(Framed(ReadCommand(8)));
    const std::string first = Line->ReadReply(); // up to the "\" of the name
    const std::string rest = Line->ReadReply();
    EXPECT_EQ(Body(first + rest).substr(0, 4), "A\\B\n");
    Emulator.Resume();
    EXPECT_EQ(Body(Line->Exchange(ReadCommand(8))).substr(0, 4), "A?B\n");
}

TEST_F(EmulatorFaults, RefusalAnswersTheNextCommandOnlyAndChangesNothing) {
    Emulator.RefuseNextCommand(13);
    EXPECT_EQ(CodeOf(WriteCommand(8, "N8", "B8", 100)), 13);
    EXPECT_EQ(Emulator.Articles().size(), 3u);
    EXPECT_EQ(CodeOf(WriteCommand(8, "N8", "B8", 100)), 0);
}

TEST_F(EmulatorFaults, RefusedLocationsGetTheirCodeUntilResume) {
    Emulator.RefuseWrites(8, 125);
    Emulator.RefuseWrites(9, 110);
    EXPECT_EQ(CodeOf(WriteCommand(8, "N8", "B8", 100)), 125);
    EXPECT_EQ(CodeOf(WriteCommand(9, "N9", "B9", 100)), 110);
    EXPECT_EQ(CodeOf(WriteCommand(10, "N10", "B10", 100)), 0);
    EXPECT_EQ(CodeOf(WriteCommand(8, "N8", "B8", 100)), 125);
    Emulator.Resume();
    EXPECT_EQ(CodeOf(WriteCommand(8, "N8", "B8", 100)), 0);
}

struct NextIDCase {
    NextIDFault Fault;
    int LastNext;
};

class EmulatorNextID : public EmulatorFaults, public ::testing::WithParamInterface<NextIDCase> {};

TEST_P(EmulatorNextID, OnlyTheLastArticlePointsElsewhere) {
    Emulator.SetNextIDFault(GetParam().Fault);
    EXPECT_EQ(NextOf(0), 4);
    EXPECT_EQ(NextOf(4), 6);
    EXPECT_EQ(NextOf(6), GetParam().LastNext);
    Emulator.Resume();
    EXPECT_EQ(NextOf(6), 0);
}

INSTANTIATE_TEST_SUITE_P(Faults, EmulatorNextID,
                         ::testing::Values(NextIDCase{NextIDFault::None, 0},
                                           NextIDCase{NextIDFault::LoopBack, 2},
                                           NextIDCase{NextIDFault::Beyond3000, BeyondTableNextID}),
                         [](const auto& info) -> std::string {
                             switch (info.param.Fault) {
                             case NextIDFault::None:
                                 return "None";
                             case NextIDFault::LoopBack:
                                 return "LoopBack";
                             case NextIDFault::Beyond3000:
                                 return "Beyond3000";
                             }
                             return "Unknown";
                         });

TEST_F(EmulatorFaults, ClosedDeviceVanishesAndStartServesANewOne) {
    Emulator.CloseDevice();
    EXPECT_TRUE(Line->SeesHangUp(2000));
    Emulator.Start();
    LineClient fresh(Emulator.DevicePath());
    fresh.Send("\x05");
    EXPECT_EQ(fresh.ReadCount(1), "\x06");
    // A new connection: the register wants the log-in again and still holds its articles.
    EXPECT_EQ(ReplyCodeOf(fresh.Exchange(ReadCommand(0))), 9);
    EXPECT_EQ(ReplyCodeOf(fresh.Exchange("*i7351\n")), 0);
    EXPECT_EQ(Body(fresh.Exchange(ReadCommand(0))).substr(0, 3), "N2\n");
}

TEST_F(EmulatorFaults, RecordsEveryFrameInHexAndEveryCommandText) {
    Emulator.ClearReceived();
    Line->Send("\x05");
    ASSERT_EQ(Line->ReadCount(1), "\x06");
    ASSERT_EQ(Line->Exchange("$s"), StatusReply);
    Line->Send("\x1BP*q00\x1B\\");
    ASSERT_EQ(ReplyCodeOf(Line->ReadReply()), 2);
    ASSERT_EQ(CodeOf("*q"), 0);
    EXPECT_EQ(Emulator.ReceivedFrames(),
              (std::vector<std::string>{"05", "1B 50 24 73 41 38 1B 5C", "1B 50 2A 71 30 30 1B 5C",
                                        "1B 50 2A 71 41 34 1B 5C"}));
    EXPECT_EQ(Emulator.ReceivedCommands(), (std::vector<std::string>{"$s", "*q", "*q"}));
    Emulator.ClearReceived();
    EXPECT_TRUE(Emulator.ReceivedFrames().empty());
}

} // namespace
