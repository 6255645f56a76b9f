#pragma once

#include <gtest/gtest.h>

#include <string>

#include "serial/port_devices.h"
#include "serial/port_settings.h"
#include "tests/support/pty_pair.h"

// A pseudo-terminal registered as a COM port number for the duration of one test.
class PtyPortTest : public ::testing::Test {
protected:
    static constexpr int PortNumber = 41;
    static constexpr int LineSpeed = 9600;
    static constexpr int OneSecond = 1000;

    void SetUp() override { RegisterPortDevice(PortNumber, Line.SlavePath()); }
    void TearDown() override { UnregisterPortDevice(PortNumber); }

    static PortSettings Settings(int baudRate = LineSpeed, int byteSize = 8) {
        return PortSettings(PortNumber, baudRate, byteSize, 0, 0, 0, 0);
    }

    // Every byte value from first to 0xFF once, in order.
    static std::string AllBytesFrom(int first) {
        std::string bytes;
        for (int b = first; b <= 0xFF; ++b)
            bytes += static_cast<char>(b);
        return bytes;
    }

    PtyPair Line;
};
