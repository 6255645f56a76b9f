// The emulator as a long-running program: what it keeps must not grow with what it hears.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "emulator/command_line.h"
#include "emulator/device_link.h"
#include "emulator/frame_reader.h"
#include "tests/emulator/emulator_fixture.h"

namespace {

const std::string StatusFrame = "\x1BP$sA8\x1B\\";

// Bytes that open a frame and never close it, longer than any frame is kept.
std::string UnclosedFrame() {
    return "\x1B" + std::string(MaxFrameBytes + 100, 'x');
}

// After a dropped frame both a whole frame and an enquiry come out as they came in.
TEST(FrameReaderLimit, UnclosedFrameIsDroppedAndTheNextUnitComesOutWhole) {
    for (const std::string& next : {StatusFrame, std::string("\x05")}) {
        FrameReader reader;
        for (const char c : UnclosedFrame()) {
            ASSERT_FALSE(reader.Push(c).has_value());
        }
        std::optional<std::string> unit;
        for (const char c : next) {
            unit = reader.Push(c);
        }
        ASSERT_TRUE(unit.has_value());
        EXPECT_EQ(*unit, next);
    }
    EXPECT_TRUE(FrameReader::IsEnquiry("\x05"));
}

using EmulatorHostileLine = EmulatorLine;

TEST_F(EmulatorHostileLine, HugeUnclosedFrameDoesNotSpoilTheNextCommand) {
    Line->Send(UnclosedFrame() + UnclosedFrame());
    const std::string body = Body(Line->Exchange("$s"));
    EXPECT_EQ(body.substr(0, 3), "12\xFE") << "a status reply, not a checksum refusal";
}

class QuietEmulator : public EmulatorLine {
protected:
    QuietEmulator() : EmulatorLine(WithoutRecord()) {}
    static EmulatorOptions WithoutRecord() {
        EmulatorOptions options;
        options.KeepRecord = false;
        return options;
    }
};

TEST_F(QuietEmulator, AnswersButKeepsNoRecord) {
    Line->Send("\x05");
    ASSERT_EQ(Line->ReadCount(1), "\x06");
    EXPECT_EQ(ReplyCodeOf(Line->Exchange("*q")), 0);
    EXPECT_TRUE(Emulator.ReceivedFrames().empty());
    EXPECT_TRUE(Emulator.ReceivedCommands().empty());
}

TEST(EmulatorCommandLine, TheToolKeepsNoRecord) {
    EXPECT_FALSE(ParseCommandLine({}).Options.KeepRecord);
    EXPECT_FALSE(ParseCommandLine({"--demo"}).Options.KeepRecord);
    EXPECT_TRUE(EmulatorOptions().KeepRecord); // in-process emulators of the tests do
}

std::string LinkTarget(const std::string& path) {
    char buffer[256] = {};
    const ssize_t n = readlink(path.c_str(), buffer, sizeof buffer - 1);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

TEST(DeviceLinkPath, ReplacesAnOldLinkButNeverAFile) {
    const std::string base = "/tmp/talon-link-test-" + std::to_string(getpid());
    const std::string stale = base + "-stale";
    const std::string file = base + "-file";
    ASSERT_EQ(symlink("/dev/null", stale.c_str()), 0);
    std::ofstream(file) << "keep me";
    {
        DeviceLink link;
        link.Make(stale, "/dev/pts/99");
        EXPECT_EQ(LinkTarget(stale), "/dev/pts/99");
        DeviceLink other;
        EXPECT_THROW(other.Make(file, "/dev/pts/99"), std::runtime_error);
    }
    std::string kept;
    std::getline(std::ifstream(file), kept);
    EXPECT_EQ(kept, "keep me");
    struct stat st {};
    EXPECT_NE(lstat(stale.c_str(), &st), 0); // removed with its DeviceLink
    std::remove(file.c_str());
    std::remove(stale.c_str());
}

} // namespace
