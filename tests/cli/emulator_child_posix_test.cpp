// The emulator as a child process: one that names no device is refused and does not stay
// behind.
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fstream>
#include <stdexcept>
#include <string>

#include "cli/emulator_child.h"
#include "tests/articles/article_test_files.h"

namespace {

// A stand-in that says something other than a device, keeps running, and leaves its
// process id in a file.
std::string PidFileScript(const std::string& pidFile) {
    return "echo $$ > " + pidFile + "; echo ready; exec sleep 30";
}

} // namespace

TEST(EmulatorChildProcess, NamingNoDeviceIsRefusedAndTheProgramEnded) {
    const TempDir dir;
    const std::string pidFile = dir.File("pid");
    EXPECT_THROW(EmulatorChild("/bin/sh", {"-c", PidFileScript(pidFile)}), std::runtime_error);
    int pid = 0;
    std::ifstream(pidFile) >> pid;
    ASSERT_GT(pid, 0);
    // Ended and waited for: no such process any more, not even a zombie.
    EXPECT_EQ(kill(pid, 0), -1);
    EXPECT_EQ(errno, ESRCH);
}
