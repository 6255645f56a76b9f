// talon-emulator, the program: its command line, its first line and its ending.
#include <gtest/gtest.h>

#include <csignal>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "emulator/command_line.h"
#include "tests/emulator/line_client.h"
#include "tests/support/case_name.h"

namespace {

TEST(EmulatorCommandLine, EveryOptionLandsInItsField) {
    const EmulatorCommandLine c = ParseCommandLine(
        {"--password", "1234", "--version=\xD0\x9A\xD0\x9E\xD0\xA0\xD0\x92\xD0\x90\xD0\x9B",
         "--limit", "300", "--baud", "9600", "--delay=20", "--demo", "--articles", "a.txt",
         "--link", "/tmp/talon", "--ibfm", "AB000042"});
    EXPECT_EQ(c.Error, "");
    EXPECT_EQ(c.Options.Password, "1234");
    EXPECT_EQ(c.Options.Version, "\xCA\xCE\xD0\xC2\xC0\xCB"); // КОРВАЛ in Windows-1251
    EXPECT_EQ(c.Options.ArticleLimit, 300);
    EXPECT_EQ(c.Options.BaudRate, 9600);
    EXPECT_EQ(c.Options.CommandDelayMs, 20);
    EXPECT_TRUE(c.Options.DemoArticles);
    EXPECT_EQ(c.Options.ArticleFile, "a.txt");
    EXPECT_EQ(c.LinkPath, "/tmp/talon");
    EXPECT_EQ(c.Options.FiscalModule, "AB000042");
    EXPECT_FALSE(c.ShowHelp);
}

class EmulatorCommandLineErrors : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(EmulatorCommandLineErrors, AreReported) {
    EXPECT_NE(ParseCommandLine(GetParam()).Error, "");
}

INSTANTIATE_TEST_SUITE_P(
    Lines, EmulatorCommandLineErrors,
    ::testing::Values(std::vector<std::string>{"--baud"},
                      std::vector<std::string>{"--baud", "fast"},
                      std::vector<std::string>{"--limit=-5"}, std::vector<std::string>{"--demo=1"},
                      std::vector<std::string>{"--colour"}, std::vector<std::string>{"--link="},
                      std::vector<std::string>{"--listen", "rfc2217://127.0.0.1:4001"},
                      std::vector<std::string>{"--listen=tcp://127.0.0.1:0", "--link", "/tmp/t"}),
    [](const auto& info) {
        std::string name;
        for (const std::string& argument : info.param) {
            // An option's leading "--" tells the cases nothing.
            const bool option = argument.rfind("--", 0) == 0;
            name += (name.empty() ? "" : "_") + CaseName(option ? argument.substr(2) : argument);
        }
        return name;
    });

// The emulator started as a child process, its standard output read through a pipe.
class EmulatorProcess {
public:
    explicit EmulatorProcess(const std::vector<std::string>& args) {
        int out[2];
        if (pipe(out) != 0) {
            throw std::runtime_error("pipe");
        }
        Pid = fork();
        if (Pid == 0) {
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            close(out[1]);
            std::vector<char*> argv{const_cast<char*>(TALON_EMULATOR_BIN)};
            for (const std::string& a : args) {
                argv.push_back(const_cast<char*>(a.c_str()));
            }
            argv.push_back(nullptr);
            execv(TALON_EMULATOR_BIN, argv.data());
            _exit(127);
        }
        close(out[1]);
        Out = out[0];
    }
    ~EmulatorProcess() {
        if (Pid > 0) {
            kill(Pid, SIGKILL);
            waitpid(Pid, nullptr, 0);
        }
        close(Out);
    }
    // The first line of standard output, without its LF; empty after timeoutMs.
    std::string FirstLine(int timeoutMs) {
        std::string line;
        char c = 0;
        pollfd p{Out, POLLIN, 0};
        while (poll(&p, 1, timeoutMs) > 0 && read(Out, &c, 1) == 1 && c != '\n') {
            line += c;
        }
        return line;
    }
    // The exit status after the signal, or -1 when it did not end within the hang guard.
    int EndWith(int signal) {
        kill(Pid, signal);
        return Wait();
    }
    int Wait() {
        int status = 0;
        for (int tries = 0; tries < 500; ++tries) { // 5 s hang guard
            if (waitpid(Pid, &status, WNOHANG) == Pid) {
                Pid = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            usleep(10000);
        }
        return -1;
    }

private:
    pid_t Pid = -1;
    int Out = -1;
};

TEST(EmulatorTool, PrintsItsDeviceFirstServesItAndEndsOnSigterm) {
    const std::string link = "/tmp/talon-emulator-test-" + std::to_string(getpid());
    EmulatorProcess tool({"--demo", "--link", link});
    const std::string path = tool.FirstLine(5000);
    ASSERT_EQ(path.rfind("/dev/pts/", 0), 0u) << path;
    struct stat st {};
    ASSERT_EQ(lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    {
        LineClient line(link);
        line.Send("\x05");
        EXPECT_EQ(line.ReadCount(1), "\x06");
        EXPECT_EQ(Body(line.Exchange("$b0\t")), "RC9");
    }
    EXPECT_EQ(tool.EndWith(SIGTERM), 0);
    EXPECT_NE(lstat(link.c_str(), &st), 0);
}

TEST(EmulatorTool, EndsOnSigintToo) {
    EmulatorProcess tool({});
    ASSERT_FALSE(tool.FirstLine(5000).empty());
    EXPECT_EQ(tool.EndWith(SIGINT), 0);
}

TEST(EmulatorTool, HelpAndBadOptions) {
    EmulatorProcess help({"--help"});
    EXPECT_EQ(help.FirstLine(5000), "Usage: talon-emulator [options]");
    EXPECT_EQ(help.Wait(), 0);
    EmulatorProcess bad({"--nonsense"});
    EXPECT_EQ(bad.Wait(), 2);
}

} // namespace
