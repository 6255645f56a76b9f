#include "serial/port_devices.h"

#include <gtest/gtest.h>

namespace {

constexpr int TestPort = 57;

TEST(PortDevices, DefaultIsTtySOneBelow) {
    EXPECT_EQ(PortDevicePath(1), "/dev/ttyS0");
    EXPECT_EQ(PortDevicePath(4), "/dev/ttyS3");
    EXPECT_EQ(DeviceForPortName("COM10"), "/dev/ttyS9");
    EXPECT_EQ(DeviceForPortName("\\\\.\\COM10"), "/dev/ttyS9");
    EXPECT_EQ(DeviceForPortName("\\\\.\\COM1"), "/dev/ttyS0");
}

TEST(PortDevices, RegisteredPathOverridesUntilUnregistered) {
    RegisterPortDevice(TestPort, "/dev/pts/99");
    EXPECT_EQ(PortDevicePath(TestPort), "/dev/pts/99");
    EXPECT_EQ(DeviceForPortName("COM57"), "/dev/pts/99");
    RegisterPortDevice(TestPort, "/dev/ttyUSB0");
    EXPECT_EQ(DeviceForPortName("COM57"), "/dev/ttyUSB0");
    UnregisterPortDevice(TestPort);
    EXPECT_EQ(DeviceForPortName("COM57"), "/dev/ttyS56");
}

TEST(PortDevices, OtherNamesAreTakenAsPaths) {
    for (const char* name : {"/dev/ttyACM0", "COM", "COMx", "COM1a", "com1", "COM-1", "\\\\.\\",
                             "\\\\.\\COM", "\\\\?\\COM1", "\\\\.\\\\.\\COM1"})
        EXPECT_EQ(DeviceForPortName(name), name);
}

} // namespace
