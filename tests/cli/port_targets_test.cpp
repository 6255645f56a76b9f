// The names --port takes: port numbers as Windows writes them, or else device paths.
#include <gtest/gtest.h>

#include <string>

#include "cli/port_targets.h"
#include "serial/port_devices.h"

namespace {

struct PortNameCase {
    const char* Label;
    const char* Given;
    int Number; // 0: taken as a device path
};

class PortNameTest : public ::testing::TestWithParam<PortNameCase> {};

TEST_P(PortNameTest, NumberOrPath) {
    const PortNameCase& c = GetParam();
    const std::vector<PortTarget> targets = ResolvePorts({c.Given});
    ASSERT_EQ(targets.size(), 1u);
    EXPECT_EQ(targets[0].Name, c.Given);
    if (c.Number > 0) {
        EXPECT_EQ(targets[0].Number, c.Number);
    } else {
        // A path gets a number beyond every COM port, leading to the path itself.
        EXPECT_GT(targets[0].Number, 255);
        EXPECT_EQ(RegisteredPortDevice(targets[0].Number), c.Given);
        UnregisterPortDevice(targets[0].Number);
    }
}

INSTANTIATE_TEST_SUITE_P(Port, PortNameTest,
                         ::testing::Values(PortNameCase{"digit", "7", 7},
                                           PortNameCase{"com", "COM7", 7},
                                           PortNameCase{"lower_case_com", "com12", 12},
                                           PortNameCase{"device_namespace", "\\\\.\\COM10", 10},
                                           PortNameCase{"highest", "COM255", 255},
                                           PortNameCase{"beyond_highest", "COM256", 0},
                                           PortNameCase{"no_digits", "COMx", 0},
                                           PortNameCase{"device_path", "/dev/ttyUSB0", 0}),
                         [](const ::testing::TestParamInfo<PortNameCase>& info) {
                             return info.param.Label;
                         });

TEST(PortTargets, NetworkAddressIsNoDevicePath) {
    const std::vector<PortTarget> targets = ResolvePorts({"rfc2217://kasa:2217"});
    ASSERT_EQ(targets.size(), 1u);
    ASSERT_TRUE(targets[0].Address.has_value());
    EXPECT_EQ(targets[0].Address->Host, "kasa");
    EXPECT_EQ(targets[0].Number, 0);
    EXPECT_TRUE(targets[0].Failure.empty());
}

} // namespace
