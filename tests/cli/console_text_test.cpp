#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "cli/console_text.h"
#include "cli/terminal_output.h"

namespace {

const std::string CyrillicLine = "Артикал 12 «Ђак» - OK\n";

std::string Contents(std::FILE* file) {
    std::rewind(file);
    std::string text;
    char block[256];
    std::size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0) {
        text.append(block, got);
    }
    return text;
}

} // namespace

// A file, like a pipe, is no console: it gets the UTF-8 bytes unchanged on every system.
TEST(ConsoleText, FileGetsTheUtf8BytesUnchanged) {
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    WriteText(file, CyrillicLine);
    EXPECT_EQ(Contents(file), CyrillicLine);
    std::fclose(file);
}

// A log line under the bar takes the whole bar back first and is drawn as it was given.
TEST(ConsoleText, LogLineTakesTheBarBack) {
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    {
        TerminalOutput out(file, file, true);
        out.AddWork(10);
        out.LogLine(CyrillicLine.substr(0, CyrillicLine.size() - 1));
    }
    const std::string bar = TerminalOutput::BarText(0, 10, 0.0);
    EXPECT_EQ(Contents(file), EraseLineText(0) + bar + EraseLineText(bar.size()) + CyrillicLine +
                                  EraseLineText(0) + bar);
    std::fclose(file);
}
