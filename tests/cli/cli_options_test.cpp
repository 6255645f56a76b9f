#include <gtest/gtest.h>

#include "cli/cli_options.h"

namespace {

struct OptionsCase {
    const char* Name;
    std::vector<std::string> Args;
    bool Accepted;
};

class ParseCases : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(ParseCases, AcceptsOnlySensibleLines) {
    const ParsedArguments parsed = ParseArguments(GetParam().Args);
    EXPECT_EQ(parsed.Error.empty(), GetParam().Accepted) << parsed.Error;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseCases,
    ::testing::Values(
        OptionsCase{"StatusJson", {"status", "--json", "--port", "2"}, true},
        OptionsCase{"SendArrange", {"send", "a.txt", "--arrange", "--speed=19200"}, true},
        OptionsCase{"ListToStandardOutput", {"list", "-o", "-"}, true},
        OptionsCase{"EraseNumbers", {"erase", "2", "2999"}, true},
        OptionsCase{"EraseAllOnTwoPorts", {"erase", "--all", "--port", "1", "--port", "2"}, true},
        OptionsCase{"TwoEmulators", {"status", "--port", "emulator", "--port", "emulator"}, true},
        OptionsCase{"NoVerb", {"--port", "1"}, false}, OptionsCase{"UnknownVerb", {"push"}, false},
        OptionsCase{"UnknownOption", {"status", "--fast"}, false},
        OptionsCase{"MissingValue", {"status", "--port"}, false},
        OptionsCase{"SendWithoutFile", {"send"}, false},
        OptionsCase{"ExamineTwoFiles", {"examine", "a", "b"}, false},
        OptionsCase{"EraseLocationOne", {"erase", "1"}, false},
        OptionsCase{"EraseOutsideTable", {"erase", "3000"}, false},
        OptionsCase{"EraseNumbersOnEveryTill", {"erase", "5", "--all"}, true},
        OptionsCase{"EraseNumbersAndAllTwice", {"erase", "5", "--all", "--all"}, false},
        OptionsCase{"EraseAllThrice", {"erase", "--all", "--all", "--all"}, false},
        OptionsCase{"AllTwiceOutsideErase", {"status", "--all", "--all"}, false},
        OptionsCase{"EraseNothing", {"erase"}, false},
        OptionsCase{"OddSpeed", {"status", "--speed", "4800"}, false},
        OptionsCase{"OddPrint", {"status", "--print", "yes"}, false},
        OptionsCase{"JsonOutsideStatus", {"list", "--json"}, false},
        OptionsCase{"ListOnTwoPorts", {"list", "--port", "1", "--port", "2"}, true},
        OptionsCase{
            "ListToAFileOnTwoPorts", {"list", "-o", "a.txt", "--port", "1", "--port", "2"}, false},
        OptionsCase{"SamePortTwice", {"status", "--port", "/dev/x", "--port", "/dev/x"}, false},
        OptionsCase{"FlagWithValue", {"status", "--quiet=1"}, false},
        OptionsCase{"HistoryOfEveryRegister", {"history"}, true},
        OptionsCase{
            "HistoryByName", {"history", "--register", "TE1", "--since", "2026-01-31"}, true},
        OptionsCase{"HistoryByPort", {"history", "--port", "2"}, true},
        OptionsCase{"HistoryNameAndPort", {"history", "--register", "TE1", "--port", "2"}, false},
        OptionsCase{"HistoryOnTwoPorts", {"history", "--port", "1", "--port", "2"}, false},
        OptionsCase{"SinceNotADate", {"history", "--since", "31.01.2026"}, false},
        OptionsCase{"SinceMonth13", {"history", "--since", "2026-13-01"}, false},
        OptionsCase{"SinceOutsideHistory", {"list", "--since", "2026-01-31"}, false},
        OptionsCase{"SavedTillBesideAPort", {"sync", "a", "--register", "K", "--port", "2"}, true},
        OptionsCase{"SameTillTwice", {"status", "--register", "K", "--register", "K"}, false},
        OptionsCase{"SavedTillWithoutARegister", {"examine", "a", "--register", "K"}, false},
        OptionsCase{"HistoryOfEveryTill", {"history", "--all"}, false},
        OptionsCase{"TillsListed", {"registers"}, true},
        OptionsCase{"TillAdded", {"registers", "add", "K", "--port", "tcp://h:1"}, true},
        OptionsCase{"TillAddedWithoutPort", {"registers", "add", "K"}, false},
        OptionsCase{"TillRemovedWithPort", {"registers", "remove", "K", "--port", "1"}, false},
        OptionsCase{"TillsAndJson", {"registers", "--json"}, false},
        OptionsCase{"HistoryWithFile", {"history", "a.txt"}, false},
        OptionsCase{"NivelacijaOfAPeriod",
                    {"history", "--since", "2026-01-01", "--until", "2026-01-31", "-o", "n.XLSX"},
                    true},
        OptionsCase{"HistoryToTsv", {"history", "--until", "2026-01-31", "-o", "i.tsv"}, true},
        OptionsCase{"HistoryToOds", {"history", "-o", "n.ods"}, false},
        OptionsCase{"UntilBeforeSince",
                    {"history", "--since", "2026-02-01", "--until", "2026-01-31"},
                    false},
        OptionsCase{"UntilOutsideHistory", {"list", "--until", "2026-01-31"}, false},
        OptionsCase{"OutputOutsideListAndHistory", {"status", "-o", "s.txt"}, false}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(ParseArguments, NetworkPortsAreTakenAndMalformedOnesNamed) {
    EXPECT_EQ(ParseArguments(
                  {"send", "a.txt", "--port", "tcp://kasa:4001", "--port", "rfc2217://[::1]:2217"})
                  .Error,
              "");
    EXPECT_EQ(ParseArguments({"status", "--port", "tcp://kasa"}).Error,
              "Neispravna mrezna adresa \"tcp://kasa\": ocekuje se tcp://RACUNAR:PORT ili "
              "rfc2217://RACUNAR:PORT");
}

TEST(ParseArguments, TakesWhatTheLineSays) {
    const ParsedArguments parsed = ParseArguments(
        {"--port", "/dev/ttyUSB0", "send", "--print", "on", "prices.txt", "--port", "3"});
    ASSERT_TRUE(parsed.Error.empty()) << parsed.Error;
    EXPECT_EQ(parsed.Options.Command, Verb::Send);
    EXPECT_EQ(parsed.Options.File, "prices.txt");
    EXPECT_TRUE(parsed.Options.Print);
    EXPECT_EQ(PortsToUse(parsed.Options), (std::vector<std::string>{"/dev/ttyUSB0", "3"}));
    EXPECT_EQ(PortsToUse(ParseArguments({"status"}).Options), std::vector<std::string>{"1"});
    EXPECT_EQ(ParseArguments({"erase", "7", "12"}).Options.Numbers, (std::vector<int>{7, 12}));
    // Erase's own --all stays every article; a second one adds every till.
    const CliOptions both = ParseArguments({"erase", "--all", "--all"}).Options;
    EXPECT_TRUE(both.EraseAll && both.AllTills);
    const CliOptions tills = ParseArguments({"erase", "9", "--all"}).Options;
    EXPECT_TRUE(!tills.EraseAll && tills.AllTills);
    EXPECT_TRUE(PortsToUse(ParseArguments({"status", "--all"}).Options).empty());
}

} // namespace
