// The help and the manual page name every verb and option the parser knows.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "cli/cli_options.h"
#include "cli/cli_usage.h"
#include "files/whole_file.h"

namespace {

// From the line starting with `from` to the next one starting with `to`.
std::string Part(const std::string& text, const std::string& from, const std::string& to) {
    const std::size_t start = text.find("\n" + from);
    return start == std::string::npos ? ""
                                      : text.substr(start, text.find("\n" + to, start + 1) - start);
}

// A word of its own: "-o" is not found in "--output".
bool Names(const std::string& text, const std::string& name) {
    return std::regex_search(text, std::regex("(^|[^-A-Za-z0-9])" + name + "($|[^-A-Za-z0-9])"));
}

TEST(Usage, HelpAndManualPageNameEveryVerbAndOption) {
    const std::string help = CliUsage;
    std::string manual;
    ASSERT_EQ(ReadWholeFile(TALON_MAN_DIR "/talonsendplu-cli.1", manual), WholeFileRead::Read);
    manual = std::regex_replace(manual, std::regex(R"(\\-)"), "-"); // as the page reads
    manual = std::regex_replace(manual, std::regex(R"(\\f[BIRP])"), "");
    for (const std::string& verb : VerbNames()) {
        EXPECT_TRUE(Names(Part(help, "Komande:", "Opcije:"), verb)) << "help: " << verb;
        EXPECT_TRUE(Names(Part(manual, ".SH COMMANDS", ".SH"), verb)) << "manual: " << verb;
    }
    for (const std::string& option : OptionNames()) {
        EXPECT_TRUE(Names(help, option)) << "help: " << option;
        EXPECT_TRUE(Names(manual, option)) << "manual: " << option;
    }
}

} // namespace
