#include <string>

#include <gtest/gtest.h>

#include "ecr/frame_codec.h"
#include "tests/plu/plu_test_text.h"
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
                      FrameCase{"#r5|1|12\t", "1B 50 23 72 35 FE 31 FE 31 32 09 41 30 1B 5C"}));

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
                      ChecksumCase{"#y1|1|", "A5"}));

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
                                           UnframeCase{"\x1BPxxR:12CC\x1B\\", "R:12"}));

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
                                           CodeCase{"abX9", 0}, CodeCase{"ab255", 255}));
