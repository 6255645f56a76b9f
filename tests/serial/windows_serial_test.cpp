#include "serial/windows_serial.h"

#include <chrono>
#include <string>
#include <thread>

#include "error_code_of.h"
#include "serial/ecr_error.h"
#include "serial_fixture.h"
#include "tests/support/case_name.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string Str(const ECRString& s) {
    return std::string(s.Text(), s.GetLength());
}

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The reason the ECRError that action throws carries.
template <typename Action> PortFault FaultOf(Action action) {
    try {
        action();
    } catch (const ECRError& e) {
        return e.GetPortFault();
    }
    return PortFault::Unknown;
}

class WindowsSerialTest : public PtyPortTest {
protected:
    void SetUp() override {
        PtyPortTest::SetUp();
        ASSERT_TRUE(Link.Open());
    }

    WindowsSerial Link{Settings()};
};

using WindowsSerialOpenTest = PtyPortTest;

TEST_F(WindowsSerialOpenTest, MissingDeviceThrowsOne) {
    RegisterPortDevice(PortNumber, "/nonexistent/talon-test-device");
    WindowsSerial link(Settings());
    EXPECT_EQ(ErrorCodeOf([&] { link.Open(); }), ErrorOpeningPort);
    EXPECT_EQ(FaultOf([&] { link.Open(); }), PortFault::Missing);
    EXPECT_FALSE(link.Close());
}

// A device file that exists but is no serial line: told as a port that does not exist,
// not as a failure without a reason.
TEST_F(WindowsSerialOpenTest, DeviceThatIsNoTerminalSaysMissing) {
    RegisterPortDevice(PortNumber, "/dev/null");
    WindowsSerial link(Settings());
    EXPECT_EQ(FaultOf([&] { link.Open(); }), PortFault::Missing);
}

TEST_F(WindowsSerialOpenTest, ForbiddenDeviceSaysAccessDenied) {
    RegisterPortDevice(PortNumber, "/proc/sys/kernel/osrelease"); // read-only even for root
    WindowsSerial link(Settings());
    EXPECT_EQ(FaultOf([&] { link.Open(); }), PortFault::AccessDenied);
}

TEST_F(WindowsSerialOpenTest, HeldPortThrowsOneAndStaysUsable) {
    WindowsSerial holder(Settings());
    ASSERT_TRUE(holder.Open());
    WindowsSerial second(Settings());
    EXPECT_EQ(ErrorCodeOf([&] { second.Open(); }), ErrorOpeningPort);
    EXPECT_EQ(FaultOf([&] { second.Open(); }), PortFault::Busy);
    EXPECT_FALSE(second.Close());
    EXPECT_TRUE(holder.Close());
    EXPECT_TRUE(second.Open());
    EXPECT_TRUE(second.Close());
}

TEST_F(WindowsSerialOpenTest, RejectedSettingsThrowThreeAndLeaveThePortFree) {
    constexpr int UnknownSpeed = 12345;
    constexpr int NineBits = 9;
    WindowsSerial badSpeed(Settings(UnknownSpeed));
    EXPECT_EQ(ErrorCodeOf([&] { badSpeed.Open(); }), ErrorApplyingSettings);
    EXPECT_FALSE(badSpeed.Close());
    WindowsSerial badSize(Settings(LineSpeed, NineBits));
    EXPECT_EQ(ErrorCodeOf([&] { badSize.Open(); }), ErrorApplyingSettings);
    WindowsSerial good(Settings());
    EXPECT_TRUE(good.Open());
}

TEST_F(WindowsSerialOpenTest, CloseNeverOpenedOrTwiceIsFalse) {
    WindowsSerial link(Settings());
    EXPECT_FALSE(link.Close());
    ASSERT_TRUE(link.Open());
    EXPECT_TRUE(link.Close());
    EXPECT_FALSE(link.Close());
}

TEST_F(WindowsSerialTest, EveryByteCrossesUnchangedBothWays) {
    const std::string bytes = AllBytesFrom(1); // a text cannot hold 0x00
    EXPECT_TRUE(Link.Write(ECRString(bytes.c_str())));
    EXPECT_EQ(Hex(Line.ReceiveCount(bytes.size())), Hex(bytes));
    Line.Send(bytes);
    EXPECT_EQ(Hex(Str(Link.Read(static_cast<int>(bytes.size()), OneSecond))), Hex(bytes));
}

TEST_F(WindowsSerialTest, ReadWithNothingArrivingIsEmptyAfterTheTimeOut) {
    const auto start = Clock::now();
    EXPECT_EQ(Link.Read(1, OneSecond).GetLength(), 0u);
    const double took = SecondsSince(start);
    EXPECT_GE(took, 0.8);
    EXPECT_LT(took, 3.0);
}

class WindowsSerialCountTest : public WindowsSerialTest,
                               public ::testing::WithParamInterface<int> {};
TEST_P(WindowsSerialCountTest, StillReadsOneByte) {
    Line.Send("AB");
    EXPECT_EQ(Str(Link.Read(GetParam(), OneSecond)), "A");
    EXPECT_EQ(Str(Link.Read(GetParam(), OneSecond)), "B");
}
INSTANTIATE_TEST_SUITE_P(Counts, WindowsSerialCountTest, ::testing::Values(0, -1, 1),
                         [](const auto& info) { return "count_" + CaseName(info.param); });

TEST_F(WindowsSerialTest, ReadStopsAtCount) {
    Line.Send("abcdef");
    EXPECT_EQ(Str(Link.Read(4, OneSecond)), "abcd");
    EXPECT_EQ(Str(Link.Read(10, 300)), "ef");
}

TEST_F(WindowsSerialTest, NulByteEndsTheReadAndIsNotStored) {
    Line.Send(std::string("ab\0cd", 5));
    EXPECT_EQ(Hex(Str(Link.Read(10, OneSecond))), "61 62");
    EXPECT_EQ(Str(Link.Read(2, OneSecond)), "cd");
}

TEST_F(WindowsSerialTest, ReadUntilKeepsTerminatorLastAndLeavesTheRest) {
    Line.Send("\x1B"
              "P0\\rest");
    EXPECT_EQ(Str(Link.ReadUntil("\\", OneSecond)), "\x1B"
                                                    "P0\\");
    EXPECT_EQ(Str(Link.Read(4, OneSecond)), "rest");
}

TEST_F(WindowsSerialTest, ReadUntilStopsAtTheReplyLimitWhenNoTerminatorComes) {
    // A pty holds about 4 KiB; a writer thread feeds the rest while the link reads.
    const std::string flood(10000, 'Z');
    std::thread writer([&] { Line.Send(flood); });
    const ECRString reply = Link.ReadUntil("\\", OneSecond);
    EXPECT_EQ(reply.GetLength(), 8192u);
    EXPECT_EQ(Str(reply), flood.substr(0, 8192));
    EXPECT_EQ(Link.Read(10000, OneSecond).GetLength(), 10000u - 8192u);
    writer.join();
}

TEST_F(WindowsSerialTest, ReadUntilWithoutTerminatorGivesWhatArrived) {
    Line.Send("xyz");
    const auto start = Clock::now();
    EXPECT_EQ(Str(Link.ReadUntil("\\", OneSecond)), "xyz");
    EXPECT_LT(SecondsSince(start), 3.0);
}

TEST_F(WindowsSerialTest, ReadsLeaveTheReadTimeOutAtZero) {
    ASSERT_TRUE(Link.SetReadTimeout(700));
    EXPECT_EQ(Link.PortTimeouts().ReadTotalTimeoutConstant, 700u);
    Line.Send("a");
    Link.Read(1, 300);
    EXPECT_EQ(Link.PortTimeouts().ReadTotalTimeoutConstant, 0u);

    ASSERT_TRUE(Link.SetReadTimeout(700));
    Link.ReadUntil("\\", 200); // nothing arrives
    const COMMTIMEOUTS after = Link.PortTimeouts();
    EXPECT_EQ(after.ReadIntervalTimeout, 0u);
    EXPECT_EQ(after.ReadTotalTimeoutMultiplier, 0u);
    EXPECT_EQ(after.ReadTotalTimeoutConstant, 0u);
    EXPECT_EQ(after.WriteTotalTimeoutMultiplier, 0u);
    EXPECT_EQ(after.WriteTotalTimeoutConstant, 0u);
}

TEST_F(WindowsSerialTest, DiscardInputDropsPendingBytes) {
    Line.Send("abc");
    ASSERT_EQ(Str(Link.Read(1, OneSecond)), "a"); // the rest has arrived with it
    EXPECT_TRUE(Link.DiscardInput());
    EXPECT_EQ(Link.Read(1, 200).GetLength(), 0u);
    Line.Send("d");
    EXPECT_EQ(Str(Link.Read(1, OneSecond)), "d");
}

TEST_F(WindowsSerialTest, VanishedFarSideGivesEmptyReadsAndFailedWrites) {
    constexpr int LongTimeout = 10000;
    Line.CloseMaster();
    const auto start = Clock::now();
    EXPECT_EQ(Link.Read(1, LongTimeout).GetLength(), 0u);
    EXPECT_EQ(Link.ReadUntil("\\", LongTimeout).GetLength(), 0u);
    EXPECT_LT(SecondsSince(start), 3.0); // well before the time-out
    EXPECT_EQ(ErrorCodeOf([&] { Link.Write(ECRString("x")); }), ErrorWritingPort);
    EXPECT_TRUE(Link.Close());
}

} // namespace
