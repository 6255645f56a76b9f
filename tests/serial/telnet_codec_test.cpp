// The telnet layer of RFC 2217: data and commands taken apart wherever TCP cuts them.
#include "serial/telnet_codec.h"

#include <gtest/gtest.h>

#include "tests/support/hex_bytes.h"

namespace {

struct StreamCase {
    const char* Label;
    std::string Arrived;
    std::string Data;
    std::string Commands; // "verb option payload-hex;" each
};

// A literal's every byte, zeros too.
template <std::size_t N> std::string B(const char (&bytes)[N]) {
    return std::string(bytes, N - 1);
}

std::string Described(const std::vector<TelnetCommand>& commands) {
    std::string text;
    for (const TelnetCommand& c : commands) {
        text +=
            std::to_string(c.Verb) + " " + std::to_string(c.Option) + " " + Hex(c.Payload) + ";";
    }
    return text;
}

class TelnetStreamTest : public ::testing::TestWithParam<StreamCase> {};

// Every cut of the stream into two pieces gives what the whole gives.
TEST_P(TelnetStreamTest, SameWhereverTheStreamIsCut) {
    const StreamCase& c = GetParam();
    for (std::size_t cut = 0; cut <= c.Arrived.size(); ++cut) {
        TelnetDecoder decoder;
        std::string data;
        std::vector<TelnetCommand> commands;
        decoder.Feed(c.Arrived.substr(0, cut), data, commands);
        decoder.Feed(c.Arrived.substr(cut), data, commands);
        EXPECT_EQ(Hex(data), Hex(c.Data)) << "cut at " << cut;
        EXPECT_EQ(Described(commands), c.Commands) << "cut at " << cut;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Streams, TelnetStreamTest,
    ::testing::Values(
        StreamCase{"plain_data", "\x1bP05\x1b\\", "\x1bP05\x1b\\", ""},
        StreamCase{"doubled_ff",
                   B("a\xff\xff"
                     "b"),
                   B("a\xff"
                     "b"),
                   ""},
        StreamCase{"negotiations_between_data",
                   B("a\xff\xfb\x00"
                     "b\xff\xfd\x2c"),
                   "ab", "251 0 ;253 44 ;"},
        StreamCase{"baud_confirmation", B("\xff\xfa\x2c\x65\x00\x00\x4b\x00\xff\xf0x"), "x",
                   "250 44 65 00 00 4B 00;"},
        StreamCase{"doubled_ff_inside_subnegotiation", B("\xff\xfa\x2c\x65\xff\xff\x01\xff\xf0"),
                   "", "250 44 65 FF 01;"},
        StreamCase{"two_byte_commands_dropped",
                   B("\xff\xf1"
                     "a\xff\xf9"),
                   "a", ""},
        StreamCase{"zero_byte_is_data", std::string("a\0b", 3), std::string("a\0b", 3), ""}),
    [](const ::testing::TestParamInfo<StreamCase>& info) { return info.param.Label; });

TEST(TelnetEscape, DataAndSubnegotiationDoubleFf) {
    EXPECT_EQ(Hex(TelnetEscaped(B("\x01\xff\x02"))), "01 FF FF 02");
    EXPECT_EQ(Hex(TelnetSubnegotiation(Telnet::ComPort, std::string("\x01\x00\x00\x00\xff", 5))),
              "FF FA 2C 01 00 00 00 FF FF FF F0");
}

} // namespace
