// The help and the manual page name every verb, option and exit status the program has.
#include <gtest/gtest.h>

#include <ostream>
#include <regex>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_usage.h"
#include "cli/exit_status.h"
#include "files/whole_file.h"
#include "tests/support/case_name.h"

namespace {

// The manual page as it reads: "\-" is "-", font changes are nothing.
std::string ManualText() {
    std::string page;
    if (ReadWholeFile(TALON_MAN_DIR "/talonsendplu-cli.1", page) != WholeFileRead::Read) {
        return {};
    }
    page = std::regex_replace(page, std::regex(R"(\\-)"), "-");
    return std::regex_replace(page, std::regex(R"(\\f[BIRP])"), "");
}

// `text` between the line starting with `from` and the next line starting with `to`.
std::string Section(const std::string& text, const std::string& from, const std::string& to) {
    const std::size_t start = text.find("\n" + from);
    if (start == std::string::npos) {
        return {};
    }
    const std::size_t end = text.find("\n" + to, start + 1);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// `name` standing as a word of its own: not part of a longer option or word.
bool Names(const std::string& text, const std::string& name) {
    const std::regex word("(^|[^-A-Za-z0-9])" + name + "($|[^-A-Za-z0-9])");
    return std::regex_search(text, word);
}

struct Named {
    std::string Name;
    std::string Help;   // the part of the help that must name it
    std::string Manual; // the part of the manual page that must name it
};

void PrintTo(const Named& named, std::ostream* out) {
    *out << named.Name;
}

std::vector<Named> Everything() {
    const std::string help = CliUsage;
    const std::string manual = ManualText();
    std::vector<Named> all;
    for (const std::string& verb : VerbNames()) {
        all.push_back(
            {verb, Section(help, "Komande:", "Opcije:"), Section(manual, ".SH COMMANDS", ".SH ")});
    }
    for (const std::string& option : OptionNames()) {
        all.push_back({option, help, manual});
    }
    for (const ExitStatus status :
         {ExitDone, ExitRefused, ExitUsage, ExitNoRegister, ExitLinkFailed, ExitInterrupted}) {
        all.push_back({std::to_string(status), Section(help, "Izlazni status", "\n"),
                       Section(manual, ".SH EXIT STATUS", ".SH ")});
    }
    return all;
}

class UsageNames : public ::testing::TestWithParam<Named> {};

TEST_P(UsageNames, HelpAndManualPageNameIt) {
    EXPECT_TRUE(Names(GetParam().Help, GetParam().Name)) << "--help lacks " << GetParam().Name;
    EXPECT_TRUE(Names(GetParam().Manual, GetParam().Name))
        << "the manual page lacks " << GetParam().Name;
}

INSTANTIATE_TEST_SUITE_P(Cli, UsageNames, ::testing::ValuesIn(Everything()),
                         [](const ::testing::TestParamInfo<Named>& info) {
                             return CaseName(info.param.Name);
                         });

} // namespace
