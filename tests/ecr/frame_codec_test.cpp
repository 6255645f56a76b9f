#include <string>

#include <gtest/gtest.h>

#include "ecr/frame_codec.h"
#include "tests/plu/plu_test_text.h"
#include "tests/support/case_name.h"
#include "tests/support/hex_bytes.h"

struct FrameCase {
    const char* Command;
    const char* FrameHex;
};

class FrameCommandTest : public ::testing::TestWithParam<FrameCase> {};

TEST_P(FrameCommandTest, EnvelopeAndChecksum) {
    EXPECT_EQ(Hex(Bytes(FrameCommand(WithSep(GetParam().Command).c_str()))), GetParam().FrameHex);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, FrameCommandTest,
    ::testing::Values(FrameCase{"$s", "1B 50 24 73 41 38 1B 5C"},
                      FrameCase{"*q", "1B 50 2A 71 41 34 1B 5C"},
                      FrameCase{"#r5|1|12\t", "1B 50 23 72 35 FE 31 FE 31 32 09 41 30 1B 5C"}),
    [](const auto& info) { return CaseName(info.param.Command); });

struct ChecksumCase {
    const char* Command;
    const char* Digits;
};

class FrameChecksumTest : public ::testing::TestWithParam<ChecksumCase> {};

TEST_P(FrameChecksumTest, TwoUpperCaseHexDigits) {
    EXPECT_EQ(Bytes(FrameChecksum(WithSep(GetParam().Command).c_str())), GetParam().Digits);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FrameChecksumTest,
    ::testing::Values(ChecksumCase{"", "FF"}, ChecksumCase{"$s", "A8"}, ChecksumCase{"*q", "A4"},
                      // 0xFF ^ 0x7F = 0x80: the high bit must not widen the text.
                      ChecksumCase{"\x7F", "80"}, ChecksumCase{"\x01", "FE"},
                      ChecksumCase{"\xFF", "00"}, ChecksumCase{"\xFE", "01"},
                      ChecksumCase{"#y1|1|", "A5"}),
    [](const auto& info) { return CaseName(info.param.Command); });

struct UnframeCase {
    const char* Reply;
    const char* Payload;
};

class UnframeReplyTest : public ::testing::TestWithParam<UnframeCase> {};

TEST_P(UnframeReplyTest, DropsTheEnvelope) {
    EXPECT_EQ(Bytes(UnframeReply(GetParam().Reply)), GetParam().Payload);
}

INSTANTIATE_TEST_SUITE_P(Lengths, UnframeReplyTest,
                         ::testing::Values(UnframeCase{"", ""}, UnframeCase{"abc", ""},
                                           UnframeCase{"abcd", "abcd"}, UnframeCase{"abcdefg", "d"},
                                           UnframeCase{"abcdefgh", ""},
                                           UnframeCase{"abcdXefgh", "X"},
                                           UnframeCase{"\x1BPxxR:12CC\x1B\\", "R:12"}),
                         [](const auto& info) { return CaseName(info.param.Reply); });

struct CodeCase {
    const char* Payload;
    std::int32_t Code;
};

class PayloadCodeTest : public ::testing::TestWithParam<CodeCase> {};

TEST_P(PayloadCodeTest, ReadsTheNumberAfterTwoCharacters) {
    EXPECT_EQ(PayloadCode(GetParam().Payload), GetParam().Code);
}

INSTANTIATE_TEST_SUITE_P(Values, PayloadCodeTest,
                         ::testing::Values(CodeCase{"", 0}, CodeCase{"x", 0}, CodeCase{"ab", 0},
                                           CodeCase{"ab12", 12}, CodeCase{"ab7xyz", 7},
                                           CodeCase{"12", 0}, CodeCase{"99104", 104},
                                           CodeCase{"ab-5", -5}, CodeCase{"ab 42", 42},
                                           CodeCase{"abX9", 0}, CodeCase{"ab255", 255}),
                         [](const auto& info) {
                             return "payload_" + CaseName(info.param.Payload);
                         });

struct WholeFrameCase {
    const char* Name;
    std::string Reply;
    const char* Frame; // what FrameFromOpening keeps, "" for no frame
};

void PrintTo(const WholeFrameCase& c, std::ostream* os) {
    *os << c.Name;
}

class FrameFromOpeningTest : public ::testing::TestWithParam<WholeFrameCase> {};

TEST_P(FrameFromOpeningTest, KeepsTheLastFrameBeforeTheClosingPair) {
    const ECRString reply(GetParam().Reply.c_str());
    EXPECT_EQ(Bytes(FrameFromOpening(reply)), GetParam().Frame);
    EXPECT_EQ(EndsFrame(reply),
              GetParam().Reply.size() >= 2 &&
                  GetParam().Reply.compare(GetParam().Reply.size() - 2, 2, "\x1B\\") == 0);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, FrameFromOpeningTest,
    ::testing::Values(
        WholeFrameCase{"Whole", "\x1BPxxR:0CC\x1B\\", "\x1BPxxR:0CC\x1B\\"},
        WholeFrameCase{"NoiseBefore", "ab\\\x1BPq\x1BPxxR:0CC\x1B\\", "\x1BPxxR:0CC\x1B\\"},
        WholeFrameCase{"BackslashInside", "\x1BPxxA\\BCC\x1B\\", "\x1BPxxA\\BCC\x1B\\"},
        WholeFrameCase{"ShortestFrame", "\x1BPxxCC\x1B\\", "\x1BPxxCC\x1B\\"},
        WholeFrameCase{"TooShort", "\x1BPxC\x1B\\", ""},
        WholeFrameCase{"NoOpening", "noise\x1B\\", ""},
        WholeFrameCase{"LoneBackslashAtTheEnd", "\x1BPxxR:0CC\\", ""},
        WholeFrameCase{"OpeningIsTheClosingEsc", "x\x1B\\", ""}, WholeFrameCase{"Empty", "", ""}),
    [](const ::testing::TestParamInfo<WholeFrameCase>& info) {
        return std::string(info.param.Name);
    });

struct HasCodeCase {
    const char* Name;
    const char* Payload;
    bool HasCode;
};

void PrintTo(const HasCodeCase& c, std::ostream* os) {
    *os << c.Name;
}

class PayloadHasCodeTest : public ::testing::TestWithParam<HasCodeCase> {};

TEST_P(PayloadHasCodeTest, DigitOrSignAndDigitAfterTwoCharacters) {
    EXPECT_EQ(PayloadHasCode(GetParam().Payload), GetParam().HasCode);
}

INSTANTIATE_TEST_SUITE_P(
    Payloads, PayloadHasCodeTest,
    ::testing::Values(
        HasCodeCase{"Digits", "RC0", true}, HasCodeCase{"DigitsThenText", "RC7xy", true},
        HasCodeCase{"Minus", "RC-5", true}, HasCodeCase{"Plus", "RC+5", true},
        HasCodeCase{"Empty", "", false}, HasCodeCase{"TwoCharactersOnly", "RC", false},
        HasCodeCase{"Letters", "RCOK", false}, HasCodeCase{"SignAlone", "RC-", false},
        HasCodeCase{"SignThenLetter", "RC-x", false}, HasCodeCase{"LeadingBlank", "RC 5", false}),
    [](const ::testing::TestParamInfo<HasCodeCase>& info) { return std::string(info.param.Name); });
