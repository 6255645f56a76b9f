// Network addresses as --port and the window take them.
#include <gtest/gtest.h>

#include "serial/network_address.h"

namespace {

struct AddressCase {
    const char* Label;
    const char* Given;
    bool Valid;
    NetworkScheme Scheme;
    const char* Host;
    int Port;
};

constexpr NetworkScheme Raw = NetworkScheme::RawTcp;
constexpr NetworkScheme Telnet = NetworkScheme::Rfc2217;

class AddressTest : public ::testing::TestWithParam<AddressCase> {};

TEST_P(AddressTest, ParsedOrRefused) {
    const AddressCase& c = GetParam();
    EXPECT_TRUE(LooksLikeNetworkAddress(c.Given));
    const std::optional<NetworkAddress> parsed = ParseNetworkAddress(c.Given);
    ASSERT_EQ(parsed.has_value(), c.Valid);
    if (c.Valid) {
        EXPECT_EQ(parsed->Scheme, c.Scheme);
        EXPECT_EQ(parsed->Host, c.Host);
        EXPECT_EQ(parsed->Port, c.Port);
        EXPECT_EQ(parsed->Text, c.Given);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, AddressTest,
    ::testing::Values(
        AddressCase{"name", "tcp://kasa:4001", true, Raw, "kasa", 4001},
        AddressCase{"dotted_name", "rfc2217://nport-1.shop.lan:950", true, Telnet,
                    "nport-1.shop.lan", 950},
        AddressCase{"ipv4", "tcp://192.168.1.50:4001", true, Raw, "192.168.1.50", 4001},
        AddressCase{"ipv6", "rfc2217://[fe80::1]:2217", true, Telnet, "fe80::1", 2217},
        AddressCase{"ipv6_zone", "tcp://[fe80::1%eth0]:23", true, Raw, "fe80::1%eth0", 23},
        AddressCase{"ipv6_loopback", "tcp://[::1]:1", true, Raw, "::1", 1},
        AddressCase{"upper_case_scheme", "TCP://kasa:65535", true, Raw, "kasa", 65535},
        AddressCase{"nothing", "tcp://", false, Raw, "", 0},
        AddressCase{"no_port", "tcp://kasa", false, Raw, "", 0},
        AddressCase{"empty_port", "tcp://kasa:", false, Raw, "", 0},
        AddressCase{"port_zero", "tcp://kasa:0", false, Raw, "", 0},
        AddressCase{"port_too_high", "rfc2217://kasa:65536", false, Raw, "", 0},
        AddressCase{"port_not_a_number", "tcp://kasa:telnet", false, Raw, "", 0},
        AddressCase{"no_host", "tcp://:4001", false, Raw, "", 0},
        AddressCase{"other_scheme", "udp://kasa:4001", false, Raw, "", 0},
        AddressCase{"path_after_port", "tcp://kasa:4001/x", false, Raw, "", 0},
        AddressCase{"ipv6_unbracketed", "tcp://fe80::1:4001", false, Raw, "", 0},
        AddressCase{"ipv6_not_hex", "tcp://[fe80::g]:4001", false, Raw, "", 0},
        AddressCase{"ipv4_part_too_high", "tcp://192.168.1.256:4001", false, Raw, "", 0},
        AddressCase{"ipv4_three_parts", "tcp://192.168.1:4001", false, Raw, "", 0},
        AddressCase{"empty_label", "tcp://kasa..lan:4001", false, Raw, "", 0},
        AddressCase{"user_part", "tcp://admin@kasa:4001", false, Raw, "", 0}),
    [](const ::testing::TestParamInfo<AddressCase>& info) { return info.param.Label; });

TEST(AddressForm, OnlyTextsWithASchemeAreAddresses) {
    for (const char* path : {"/dev/ttyUSB0", "COM3", "\\\\.\\COM10", "emulator", "kasa:4001"}) {
        EXPECT_FALSE(LooksLikeNetworkAddress(path)) << path;
    }
}

} // namespace
