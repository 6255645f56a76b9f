#include "serial/win32_comm.h"

#include <string>

#include "serial_fixture.h"
#include "tests/support/case_name.h"

namespace {

class Win32CommTest : public PtyPortTest {
protected:
    void SetUp() override {
        PtyPortTest::SetUp();
        Handle = CreateFileA("COM41", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                             nullptr);
        ASSERT_NE(Handle, INVALID_HANDLE_VALUE);
    }
    void TearDown() override {
        if (Handle != INVALID_HANDLE_VALUE) {
            EXPECT_TRUE(CloseHandle(Handle));
        }
        PtyPortTest::TearDown();
    }

    bool Apply(DWORD rate, BYTE size, BYTE parity, BYTE stopBits) {
        DCB dcb{};
        EXPECT_TRUE(GetCommState(Handle, &dcb));
        dcb.BaudRate = rate;
        dcb.ByteSize = size;
        dcb.Parity = parity;
        dcb.StopBits = stopBits;
        dcb.fOutxCtsFlow = 0;
        dcb.fRtsControl = RTS_CONTROL_DISABLE;
        dcb.fDtrControl = DTR_CONTROL_DISABLE;
        return SetCommState(Handle, &dcb) != FALSE;
    }

    bool ReadsBackAs(DWORD rate, BYTE size, BYTE parity, BYTE stopBits) {
        DCB back{};
        EXPECT_TRUE(GetCommState(Handle, &back));
        return back.BaudRate == rate && back.ByteSize == size && back.Parity == parity &&
               back.StopBits == stopBits && back.fOutX == 0 && back.fInX == 0 &&
               back.fOutxCtsFlow == 0;
    }

    void SetReadWait(DWORD ms) {
        COMMTIMEOUTS t{};
        t.ReadTotalTimeoutConstant = ms;
        ASSERT_TRUE(SetCommTimeouts(Handle, &t));
    }

    HANDLE Handle = INVALID_HANDLE_VALUE;
};

struct LineCase {
    DWORD Rate;
    BYTE Size;
    BYTE Parity;
    BYTE StopBits;
    bool Plain; // eight data bits without parity: every line, a pseudo-terminal too, runs it
};
class Win32CommLineTest : public Win32CommTest, public ::testing::WithParamInterface<LineCase> {};

// A pseudo-terminal keeps 8 bits without parity whatever it is asked; the layer then
// reports failure rather than a frame the line does not run.
TEST_P(Win32CommLineTest, SuccessOnlyWhenTheLineTookTheFrame) {
    const LineCase& c = GetParam();
    for (int attempt = 0; attempt < 2; ++attempt) {
        const bool applied = Apply(c.Rate, c.Size, c.Parity, c.StopBits);
        EXPECT_EQ(applied, ReadsBackAs(c.Rate, c.Size, c.Parity, c.StopBits));
        if (c.Plain) {
            EXPECT_TRUE(applied);
        }
    }
}
INSTANTIATE_TEST_SUITE_P(Lines, Win32CommLineTest,
                         ::testing::Values(LineCase{9600, 8, NOPARITY, ONESTOPBIT, true},
                                           LineCase{19200, 8, NOPARITY, ONESTOPBIT, true},
                                           LineCase{1200, 8, NOPARITY, TWOSTOPBITS, true},
                                           LineCase{115200, 8, NOPARITY, ONESTOPBIT, true},
                                           LineCase{4800, 7, EVENPARITY, TWOSTOPBITS, false},
                                           LineCase{1200, 6, ODDPARITY, ONESTOPBIT, false},
                                           LineCase{2400, 5, MARKPARITY, ONESTOPBIT, false},
                                           LineCase{2400, 5, NOPARITY, ONESTOPBIT, false},
                                           LineCase{115200, 8, SPACEPARITY, TWOSTOPBITS, false}),
                         [](const auto& info) {
                             // The usual short form: 9600_8N1 is 9600 baud, 8 data bits, no parity,
                             // one stop bit.
                             const LineCase& c = info.param;
                             static const std::string parities = "NOEMS"; // by the parity's number
                             const std::string stopBits = c.StopBits == TWOSTOPBITS ? "2" : "1";
                             return CaseName(c.Rate) + "_" + CaseName(c.Size) +
                                    parities.at(c.Parity) + stopBits;
                         });

TEST_F(Win32CommTest, RejectsUnknownSpeedParityAndStopBits) {
    DCB dcb{};
    ASSERT_TRUE(GetCommState(Handle, &dcb));
    for (auto change : {+[](DCB& d) { d.BaudRate = 12345; }, +[](DCB& d) { d.Parity = 5; },
                        +[](DCB& d) { d.StopBits = 3; }, +[](DCB& d) { d.ByteSize = 4; }}) {
        DCB bad = dcb;
        bad.BaudRate = 9600;
        bad.ByteSize = 8;
        bad.Parity = NOPARITY;
        bad.StopBits = ONESTOPBIT;
        change(bad);
        EXPECT_FALSE(SetCommState(Handle, &bad));
    }
}

TEST_F(Win32CommTest, RawLineCarriesAllByteValuesBothWays) {
    ASSERT_TRUE(Apply(9600, 8, NOPARITY, ONESTOPBIT));
    const std::string bytes = AllBytesFrom(0);
    DWORD written = 0;
    ASSERT_TRUE(
        WriteFile(Handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    EXPECT_EQ(written, bytes.size());
    EXPECT_EQ(Hex(Line.ReceiveCount(bytes.size())), Hex(bytes));

    Line.Send(bytes);
    SetReadWait(OneSecond);
    std::string got(bytes.size(), '\0');
    DWORD read = 0;
    ASSERT_TRUE(ReadFile(Handle, got.data(), static_cast<DWORD>(got.size()), &read, nullptr));
    got.resize(read);
    EXPECT_EQ(Hex(got), Hex(bytes));
}

TEST_F(Win32CommTest, SecondOpenOfAHeldPortFails) {
    EXPECT_EQ(
        CreateFileA("COM41", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr),
        INVALID_HANDLE_VALUE);
    EXPECT_TRUE(CloseHandle(Handle));
    Handle =
        CreateFileA("COM41", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(Handle, INVALID_HANDLE_VALUE);
}

TEST_F(Win32CommTest, ReadTimesOutWithZeroBytes) {
    SetReadWait(100);
    char byte = 0;
    DWORD read = 1;
    EXPECT_TRUE(ReadFile(Handle, &byte, 1, &read, nullptr));
    EXPECT_EQ(read, 0u);
}

TEST_F(Win32CommTest, PurgeDropsInputAndHangUpFailsReads) {
    ASSERT_TRUE(Apply(9600, 8, NOPARITY, ONESTOPBIT));
    SetReadWait(OneSecond);
    Line.Send("xy");
    char byte = 0;
    DWORD read = 0;
    ASSERT_TRUE(ReadFile(Handle, &byte, 1, &read, nullptr));
    ASSERT_EQ(read, 1u);
    EXPECT_TRUE(PurgeComm(Handle, PURGE_RXCLEAR));
    SetReadWait(100);
    EXPECT_TRUE(ReadFile(Handle, &byte, 1, &read, nullptr));
    EXPECT_EQ(read, 0u);

    Line.CloseMaster();
    SetReadWait(0); // for ever: only the hang-up can end it
    EXPECT_FALSE(ReadFile(Handle, &byte, 1, &read, nullptr));
    EXPECT_FALSE(WriteFile(Handle, "z", 1, &read, nullptr));
}

TEST_F(Win32CommTest, ClearCommErrorFindsNoErrorAndCountsWaitingBytes) {
    ASSERT_TRUE(Apply(9600, 8, NOPARITY, ONESTOPBIT));
    SetReadWait(OneSecond);
    Line.Send("abc");
    char byte = 0;
    DWORD read = 0;
    ASSERT_TRUE(ReadFile(Handle, &byte, 1, &read, nullptr));
    ASSERT_EQ(read, 1u); // the rest has arrived with it
    DWORD errors = 99;
    COMSTAT stat{99, 99};
    EXPECT_TRUE(ClearCommError(Handle, &errors, &stat));
    EXPECT_EQ(errors, 0u);
    EXPECT_EQ(stat.cbInQue, 2u);
    EXPECT_EQ(stat.cbOutQue, 0u);
    EXPECT_TRUE(ClearCommError(Handle, nullptr, nullptr));
}

TEST(Win32CommHandles, InvalidHandlesFail) {
    DCB dcb{};
    COMMTIMEOUTS t{};
    DWORD errors = 0;
    EXPECT_FALSE(ClearCommError(INVALID_HANDLE_VALUE, &errors, nullptr));
    EXPECT_FALSE(GetCommState(INVALID_HANDLE_VALUE, &dcb));
    EXPECT_FALSE(SetCommTimeouts(nullptr, &t));
    EXPECT_FALSE(CloseHandle(INVALID_HANDLE_VALUE));
    EXPECT_EQ(CreateFileA("/nonexistent/talon-test-device", GENERIC_READ | GENERIC_WRITE, 0,
                          nullptr, OPEN_EXISTING, 0, nullptr),
              INVALID_HANDLE_VALUE);
}

} // namespace
