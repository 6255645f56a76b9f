// The command line through a real network converter: ser2net in front of emulated
// registers, offering one as raw TCP and one under RFC 2217.
#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include "cli/emulator_child.h"
#include "emulator/talon_emulator.h"
#include "operations/connect_register.h"
#include "serial/port_link.h"
#include "tests/cli/cli_files.h"
#include "tests/cli/cli_process.h"
#include "tests/support/drop_proxy.h"
#include "tests/support/ser2net_process.h"

namespace {

const char* const ConnectFailed = "Greska u otvaranju konekcije!\n";
const char* const LinkFailed = "Greska u komunikaciji: ";
const char* const TakenUp = " je prekinuta i ponovo uspostavljena";
constexpr auto RefusalLimit = std::chrono::seconds(15);

int Count(const std::vector<std::string>& commands, const std::string& prefix) {
    int n = 0;
    for (const std::string& command : commands) {
        n += command.rfind(prefix, 0) == 0 ? 1 : 0;
    }
    return n;
}

std::string Address(const std::string& scheme, int port) {
    return scheme + "://127.0.0.1:" + std::to_string(port);
}

// The speed the line is set to, as the program on the device's side sees it.
speed_t LineSpeed(const std::string& device) {
    const int fd = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios line{};
    const bool read = fd >= 0 && tcgetattr(fd, &line) == 0;
    if (fd >= 0) {
        close(fd);
    }
    return read ? cfgetospeed(&line) : B0;
}

class CliThroughConverter : public ::testing::Test {
protected:
    void SetUp() override {
        Raw.Start();
        Telnet.Start();
        Converter = std::make_unique<Ser2net>(Raw.DevicePath(), Telnet.DevicePath(), Dir.Dir());
    }
    std::string TelnetAddress() const { return Address("rfc2217", Converter->Rfc2217Port()); }

    TalonEmulator Raw;
    TalonEmulator Telnet;
    TempDir Dir;
    std::unique_ptr<Ser2net> Converter;
};

struct SchemeCase {
    const char* Scheme;
    bool Rfc2217;
};

class CliEitherScheme : public CliThroughConverter,
                        public ::testing::WithParamInterface<SchemeCase> {
protected:
    TalonEmulator& Register() { return GetParam().Rfc2217 ? Telnet : Raw; }
    int ConverterPort() const {
        return GetParam().Rfc2217 ? Converter->Rfc2217Port() : Converter->RawPort();
    }
    std::string On(int port) const { return Address(GetParam().Scheme, port); }
    std::string NameAt(int location) {
        const auto articles = Register().Articles();
        const auto found = articles.find(location);
        return found == articles.end() ? "" : found->second.GetDescription().Text();
    }
};

TEST_P(CliEitherScheme, StatusSendAndList) {
    const std::string port = On(ConverterPort());
    const CliResult status = RunCli({"status", "--port", port});
    EXPECT_EQ(status.Status, 0) << status.Err;
    EXPECT_NE(status.Out.find("\nArtikala: 0\n"), std::string::npos) << status.Out;
    const CliResult sent = RunCli({"send", WriteArticleFile(Dir, 5), "--port", port});
    EXPECT_EQ(sent.Status, 0) << sent.Err;
    EXPECT_EQ(Register().Articles().size(), 5u);
    const CliResult listed = RunCli({"list", "-o", "-", "--port", port});
    EXPECT_EQ(listed.Status, 0) << listed.Err;
    EXPECT_NE(listed.Out.find("\"Artikal 5\"\t1005\t5.50"), std::string::npos) << listed.Out;
}

TEST_P(CliEitherScheme, SendCutOnceGoesOnInTheSameRun) {
    const DropProxy proxy(ConverterPort(), 30);
    const std::string port = On(proxy.Port());
    const CliResult result = RunCli({"send", WriteArticleFile(Dir, 60), "--port", port});
    EXPECT_EQ(result.Status, 0) << result.Err;
    EXPECT_TRUE(proxy.Dropped());
    EXPECT_NE(result.Err.find("Veza sa " + port + TakenUp), std::string::npos) << result.Err;
    EXPECT_EQ(Register().Articles().size(), 60u);
    EXPECT_EQ(NameAt(31), "Artikal 30");
    EXPECT_EQ(NameAt(61), "Artikal 60");
    const int writes = Count(Register().ReceivedCommands(), "#r5");
    EXPECT_GE(writes, 60);
    EXPECT_LE(writes, 62); // at most two written twice
}

INSTANTIATE_TEST_SUITE_P(Schemes, CliEitherScheme,
                         ::testing::Values(SchemeCase{"tcp", false}, SchemeCase{"rfc2217", true}),
                         [](const ::testing::TestParamInfo<SchemeCase>& info) {
                             return std::string(info.param.Scheme);
                         });

// The link as --speed 19200 makes it; the line is read while the connection is open, for
// ser2net puts the line back as it was when the connection ends.
TEST_F(CliThroughConverter, Rfc2217SetsTheLineToTheSpeedAsked) {
    const std::unique_ptr<SerialComm> link =
        MakePortLink(RegisterPortSettings(0, FastSpeed), ParseNetworkAddress(TelnetAddress()));
    ASSERT_TRUE(link->Open());
    EXPECT_EQ(LineSpeed(Telnet.DevicePath()), static_cast<speed_t>(B19200));
    link->Close();
}

TEST_F(CliThroughConverter, ConverterGoneForGoodStopsAsABrokenLinkAndSyncTakesUpTheRest) {
    const std::string file = WriteArticleFile(Dir, 20);
    {
        const DropProxy proxy(Converter->Rfc2217Port(), 10, true);
        const CliResult cut = RunCli({"send", file, "--port", Address("rfc2217", proxy.Port())});
        EXPECT_EQ(cut.Status, 4) << cut.Err;
        EXPECT_NE(cut.Err.find(LinkFailed), std::string::npos) << cut.Err;
        EXPECT_EQ(cut.Err.find(TakenUp), std::string::npos) << cut.Err;
    }
    const int sentBefore = Count(Telnet.ReceivedCommands(), "#r5");
    const int heldBefore = static_cast<int>(Telnet.Articles().size());
    const CliResult synced = RunCli({"sync", file, "--port", TelnetAddress()});
    EXPECT_EQ(synced.Status, 0) << synced.Err;
    EXPECT_EQ(Telnet.Articles().size(), 20u);
    // The journal the cut send kept: only what it had not written is written now.
    EXPECT_EQ(Count(Telnet.ReceivedCommands(), "#r5") - sentBefore, 20 - heldBefore);
}

TEST(EmulatorOnTcp, ServesOneConnectionAfterAnother) {
    const EmulatorChild emulator(TALON_EMULATOR_BIN, {"--listen", "tcp://127.0.0.1:0"});
    const std::string port = emulator.DevicePath();
    ASSERT_EQ(port.rfind("tcp://127.0.0.1:", 0), 0u) << port;
    const TempDir dir;
    const CliResult sent = RunCli({"send", WriteArticleFile(dir, 3), "--port", port});
    EXPECT_EQ(sent.Status, 0) << sent.Err;
    const CliResult status = RunCli({"status", "--port", port});
    EXPECT_EQ(status.Status, 0) << status.Err;
    EXPECT_NE(status.Out.find("\nArtikala: 3\n"), std::string::npos) << status.Out;
}

struct RefusalCase {
    const char* Label;
    const char* Reason;
};

class CliRefused : public CliThroughConverter, public ::testing::WithParamInterface<RefusalCase> {
protected:
    std::string RefusedAddress() {
        const std::string label = GetParam().Label;
        if (label == "closed_port") {
            return Address("tcp", FreeLocalPort());
        }
        if (label == "unknown_name") {
            return "rfc2217://kasa.invalid:4001"; // a name that never resolves
        }
        return Address("rfc2217", Converter->RawPort());
    }
};

TEST_P(CliRefused, ThreeLinesExitThreeNothingWritten) {
    const std::string port = RefusedAddress();
    const auto start = std::chrono::steady_clock::now();
    const CliResult result = RunCli({"send", WriteArticleFile(Dir, 3), "--port", port});
    EXPECT_LT(std::chrono::steady_clock::now() - start, RefusalLimit);
    EXPECT_EQ(result.Status, 3) << result.Err;
    EXPECT_NE(result.Err.find(std::string(ConnectFailed) +
                              "Proverite parametre, kabl i podesavanja na kasi.\nPort " + port +
                              ": " + GetParam().Reason + "\n"),
              std::string::npos)
        << result.Err;
    EXPECT_EQ(Count(Raw.ReceivedCommands(), "#r5") + Count(Telnet.ReceivedCommands(), "#r5"), 0);
}

INSTANTIATE_TEST_SUITE_P(Refusals, CliRefused,
                         ::testing::Values(RefusalCase{"closed_port", "veza odbijena"},
                                           RefusalCase{"unknown_name", "nepoznat racunar"},
                                           RefusalCase{"raw_port_as_rfc2217",
                                                       "ne podrzava RFC 2217"}),
                         [](const ::testing::TestParamInfo<RefusalCase>& info) {
                             return std::string(info.param.Label);
                         });

} // namespace
