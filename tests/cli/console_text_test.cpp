#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "cli/console_text.h"
#include "cli/terminal_output.h"
#include "files/file_handle.h"

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

// A log line under the bar takes the whole bar back first; a file (not a console) gets the
// line's UTF-8 bytes as they were given, on every system.
TEST(ConsoleText, LogLineTakesTheBarBack) {
    const FileHandle file(std::tmpfile());
    ASSERT_NE(file, nullptr);
    {
        TerminalOutput out(file.get(), file.get(), true);
        out.AddWork(10);
        out.LogLine(CyrillicLine.substr(0, CyrillicLine.size() - 1));
    }
    const std::string bar = TerminalOutput::BarText(0, 10, 0.0);
    EXPECT_EQ(Contents(file.get()), EraseLineText(0) + bar + EraseLineText(bar.size()) +
                                        CyrillicLine + EraseLineText(0) + bar);
}
