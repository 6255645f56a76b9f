#include "serial/windows_serial.h"

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "error_code_of.h"
#include "serial/ecr_error.h"

// The link without a line behind it: these run on Windows too.

namespace {

// A port number that no system here has.
constexpr int AbsentPort = 250;
constexpr int LineSpeed = 9600;
constexpr int ShortWait = 100;

PortSettings Settings(int port) {
    return PortSettings(port, LineSpeed, 8, 0, 0, 0, 0);
}

struct NameCase {
    int Port;
    const char* Name;
};

class WindowsSerialName : public ::testing::TestWithParam<NameCase> {};

TEST_P(WindowsSerialName, DeviceNamespaceWhateverTheNumber) {
    const ECRString name = WindowsSerial::DeviceName(GetParam().Port);
    EXPECT_EQ(std::string(name.Text(), name.GetLength()), GetParam().Name);
}

INSTANTIATE_TEST_SUITE_P(Ports, WindowsSerialName,
                         ::testing::Values(NameCase{1, "\\\\.\\COM1"}, NameCase{4, "\\\\.\\COM4"},
                                           NameCase{9, "\\\\.\\COM9"}, NameCase{10, "\\\\.\\COM10"},
                                           NameCase{255, "\\\\.\\COM255"}),
                         [](const ::testing::TestParamInfo<NameCase>& info) {
                             return "Com" + std::to_string(info.param.Port);
                         });

struct ClosedCase {
    const char* Name;
    std::function<void(WindowsSerial&)> Action;
    int Code;
};

class WindowsSerialClosed : public ::testing::TestWithParam<ClosedCase> {};

TEST_P(WindowsSerialClosed, ThrowsItsCode) {
    WindowsSerial link(Settings(AbsentPort));
    EXPECT_EQ(ErrorCodeOf([&] { GetParam().Action(link); }), GetParam().Code);
    EXPECT_FALSE(link.Close());
}

INSTANTIATE_TEST_SUITE_P(
    Operations, WindowsSerialClosed,
    ::testing::Values(
        ClosedCase{"OpenAbsentPort", [](WindowsSerial& l) { l.Open(); }, ErrorOpeningPort},
        ClosedCase{"Write", [](WindowsSerial& l) { l.Write(ECRString("x")); }, ErrorWritingPort},
        ClosedCase{"Read", [](WindowsSerial& l) { l.Read(1, ShortWait); }, ErrorReadingTimeout},
        ClosedCase{"ReadUntil", [](WindowsSerial& l) { l.ReadUntil("\\", ShortWait); },
                   ErrorReadingTimeout},
        ClosedCase{"SetReadTimeout", [](WindowsSerial& l) { l.SetReadTimeout(ShortWait); },
                   ErrorReadingTimeout}),
    [](const ::testing::TestParamInfo<ClosedCase>& info) { return std::string(info.param.Name); });

TEST(WindowsSerialClosedLink, DiscardsNothing) {
    WindowsSerial link(Settings(AbsentPort));
    EXPECT_FALSE(link.DiscardInput());
}

} // namespace
