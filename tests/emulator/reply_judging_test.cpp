// Which replies count, judged by the register object through the real serial code on the
// emulator's line: only a whole frame with a code where the code stands is an answer;
// anything else is the communication error, never a silent success.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "ecr/talon_ecr.h"
#include "emulator/talon_emulator.h"
#include "serial/ecr_error.h"
#include "serial/port_devices.h"
#include "serial/windows_serial.h"

namespace {

constexpr int TestPort = 43;
constexpr int LineSpeed = 9600;
constexpr int DataBits = 8;
constexpr char Password[] = "7351";
constexpr int Location = 7;
constexpr std::int32_t RefusalCode = 122;
constexpr std::int32_t NoLinkError = 0;

// The ESC "P" of a frame and two head bytes, without the rest.
const std::string CutFrameBytes = "\x1BP#r";
const std::string NoiseEndingInBackslash = "\x01\x7FGARBAGE\\";
// Noise that holds a "\" and even an ESC "P" of its own before the real frame.
const std::string NoiseBeforeFrame = "\x01Z\\\x1BPx";

TalonPLUItem Named(const std::string& name, const char* barcode, double price) {
    TalonPLUItem item;
    item.SetDescription(name.c_str());
    item.SetCode(barcode);
    item.SetPrice(price);
    return item;
}

// A register object logged in on a fresh emulator.
class RegisterOnEmulator : public ::testing::Test {
protected:
    void SetUp() override {
        Register.Start();
        RegisterPortDevice(TestPort, Register.DevicePath());
        Serial = std::make_unique<WindowsSerial>(
            PortSettings(TestPort, LineSpeed, DataBits, 0, 0, 0, 0));
        ASSERT_TRUE(Serial->Open());
        Ecr = std::make_unique<TalonECR>(*Serial);
        ASSERT_TRUE(Ecr->LogIn(Password));
    }
    void TearDown() override {
        Ecr.reset();
        Serial.reset();
        UnregisterPortDevice(TestPort);
    }

    TalonEmulator Register;
    std::unique_ptr<WindowsSerial> Serial;
    std::unique_ptr<TalonECR> Ecr;
};

struct ReplyCase {
    const char* Name;
    std::function<void(TalonEmulator&)> Spoil;
    std::int32_t Code;      // the write's result when the reply counts
    std::int32_t LinkError; // the ECRError code when it does not, else NoLinkError
};

void PrintTo(const ReplyCase& c, std::ostream* os) {
    *os << c.Name;
}

class ReplyJudging : public RegisterOnEmulator, public ::testing::WithParamInterface<ReplyCase> {};

TEST_P(ReplyJudging, WriteIsAcceptedRefusedOrACommunicationError) {
    const ReplyCase& c = GetParam();
    constexpr std::int32_t Untouched = 99;
    Ecr->SetErrorCode(Untouched);
    c.Spoil(Register);
    std::int32_t code = Untouched;
    std::int32_t linkError = NoLinkError;
    try {
        code = Ecr->WriteArticle(Named("MLEKO", "4001", 1.5), Location);
    } catch (const ECRError& error) {
        linkError = error.GetErrorCode();
    }
    EXPECT_EQ(linkError, c.LinkError);
    if (c.LinkError == NoLinkError) {
        EXPECT_EQ(code, c.Code);
        EXPECT_EQ(Ecr->GetErrorCode(), c.Code);
    } else {
        EXPECT_EQ(Ecr->GetErrorCode(), Untouched); // a reply that did not count stores nothing
    }
    // Nothing of the spoilt reply is read as the answer to the next command.
    Register.Resume();
    EXPECT_EQ(Ecr->DeleteArticle(Location + 1), 20); // not programmed
    EXPECT_EQ(Ecr->WriteArticle(Named("HLEB", "4002", 2.5), Location + 1), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ReplyJudging,
    ::testing::Values(
        ReplyCase{"Whole", [](TalonEmulator&) {}, 0, NoLinkError},
        ReplyCase{"WholeWithRefusal", [](TalonEmulator& r) { r.RefuseNextCommand(RefusalCode); },
                  RefusalCode, NoLinkError},
        ReplyCase{"NoiseBeforeWholeFrame",
                  [](TalonEmulator& r) { r.NoiseBeforeNextReply(NoiseBeforeFrame); }, 0,
                  NoLinkError},
        ReplyCase{"NoiseAloneEndingInBackslash",
                  [](TalonEmulator& r) { r.GarbageNextReply(NoiseEndingInBackslash); }, 0,
                  ErrorTimeout},
        ReplyCase{"NoiseEndingInClosingPair",
                  [](TalonEmulator& r) { r.GarbageNextReply("\x01GARBAGE\x1B\\"); }, 0,
                  ErrorBadReply},
        ReplyCase{"FrameWithoutDigits", [](TalonEmulator& r) { r.NoDigitsInNextReply(); }, 0,
                  ErrorBadReply},
        ReplyCase{"EmptyFrame", [](TalonEmulator& r) { r.GarbageNextReply("\x1BP\x1B\\"); }, 0,
                  ErrorBadReply},
        ReplyCase{"CutFrame",
                  [](TalonEmulator& r) { r.CutNextReply(static_cast<int>(CutFrameBytes.size())); },
                  0, ErrorTimeout},
        ReplyCase{"SignedCode", [](TalonEmulator& r) { r.GarbageNextReply("\x1BP#rRC-5AA\x1B\\"); },
                  -5, NoLinkError}),
    [](const ::testing::TestParamInfo<ReplyCase>& info) { return std::string(info.param.Name); });

TEST_F(RegisterOnEmulator, NameHoldingABackslashIsListedWholeAndLeavesNothingBehind) {
    Register.KeepBackslashesInReplies();
    Register.SetArticle(2, Named("Sok\\1", "4003", 1.0));
    Register.SetArticle(3, Named("Mleko", "4004", 2.0));
    TalonPLUItem first;
    EXPECT_EQ(Ecr->ReadArticle(0, first), 3);
    EXPECT_STREQ(first.GetDescription().Text(), "Sok\\1");
    EXPECT_EQ(first.GetThisID(), 2);
    TalonPLUItem second;
    EXPECT_EQ(Ecr->ReadArticle(3, second), 0);
    EXPECT_STREQ(second.GetDescription().Text(), "Mleko");
    EXPECT_EQ(Ecr->DeleteArticle(3), 0);
}

TEST_F(RegisterOnEmulator, StatusReplyStillCounts) {
    Ecr->RequestStatus();
    EXPECT_EQ(Ecr->GetStatusItem().GetArticles(), 0);
    EXPECT_EQ(Ecr->GetStatusItem().GetModel(), 12);
}

} // namespace
