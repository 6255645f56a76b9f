// The register's commands as the program meets them over the pseudo-terminal.
#include <gtest/gtest.h>

#include <ctime>
#include <vector>

#include "tests/emulator/emulator_fixture.h"
#include "tests/support/case_name.h"

namespace {

// Cuts a body into fields, each ended by its byte in endings, and what follows them last;
// a missing ending leaves the field running to the end of the body and the rest empty.
std::vector<std::string> Split(std::string body, const std::string& endings) {
    std::vector<std::string> fields;
    for (const char ending : endings) {
        const auto at = body.find(ending);
        fields.push_back(body.substr(0, at));
        body = at == std::string::npos ? std::string() : body.substr(at + 1);
    }
    fields.push_back(body);
    return fields;
}

// Status: six fields ended by SEP, three by LF, eight by TAB, and nothing after them.
std::vector<std::string> StatusFields(const std::string& body) {
    const std::vector<std::string> fields = Split(body, WithSep("||||||\n\n\n\t\t\t\t\t\t\t\t"));
    EXPECT_EQ(fields.back(), "");
    return fields;
}

// The fourteen fields of a reading answer, in their order.
std::vector<std::string> ReadingFields(const std::string& body) {
    return Split(body, WithSep("\n\n\t|||||||\t\t\t\t"));
}

using EmulatorCommands = EmulatorLine;

TEST_F(EmulatorCommands, EnquiryIsAnsweredWithOneAck) {
    Line->Send("\x05");
    EXPECT_EQ(Line->ReadCount(1), "\x06");
    EXPECT_EQ(Line->ReadCount(1, 100), "");
}

TEST_F(EmulatorCommands, ReplyCarriesTheCommandLettersAndItsOwnChecksum) {
    const std::string reply = Line->Exchange("*q");
    ASSERT_GE(reply.size(), 9u);
    EXPECT_EQ(reply.substr(0, 4), "\x1BP*q");
    EXPECT_EQ(reply.substr(reply.size() - 2), "\x1B\\");
    const std::string covered = reply.substr(2, reply.size() - 6);
    EXPECT_EQ(reply.substr(reply.size() - 4, 2), XorChecksum(covered));
    EXPECT_EQ(ReplyCodeOf(reply), 0);
}

TEST_F(EmulatorCommands, LineBytesCountBothDirections) {
    Line->Send("\x05");
    ASSERT_EQ(Line->ReadCount(1), "\x06");
    const std::string reply = Line->Exchange("*q");
    EXPECT_EQ(Emulator.LineBytes(), 2u + Framed("*q").size() + reply.size());
}

TEST_F(EmulatorCommands, WrongChecksumGivesCode2) {
    Line->Send(std::string("\x1BP$s00\x1B\\"));
    EXPECT_EQ(ReplyCodeOf(Line->ReadReply()), 2);
}

struct LogInCase {
    const char* Password;
    int Code;
    bool LoggedIn;
};

class EmulatorLogIn : public EmulatorLine, public ::testing::WithParamInterface<LogInCase> {};

TEST_P(EmulatorLogIn, AnswersAndKeepsTheState) {
    EXPECT_EQ(CodeOf(std::string("*i") + GetParam().Password + "\n"), GetParam().Code);
    EXPECT_EQ(Emulator.LoggedIn(), GetParam().LoggedIn);
    EXPECT_EQ(CodeOf("*q"), 0);
    EXPECT_FALSE(Emulator.LoggedIn());
}

INSTANTIATE_TEST_SUITE_P(Passwords, EmulatorLogIn,
                         ::testing::Values(LogInCase{"7351", 0, true}, LogInCase{"735", 104, false},
                                           LogInCase{"73511", 104, false},
                                           LogInCase{"", 104, false}),
                         [](const auto& info) {
                             return "password_" + CaseName(info.param.Password);
                         });

class EmulatorLoggedOut : public EmulatorLine, public ::testing::WithParamInterface<std::string> {};

TEST_P(EmulatorLoggedOut, RefusesWithCode9) {
    EXPECT_EQ(CodeOf(GetParam()), 9);
}

INSTANTIATE_TEST_SUITE_P(Commands, EmulatorLoggedOut,
                         ::testing::Values(WithSep("#y1|1|"), WriteCommand(5, "Hleb", "123", 100),
                                           ReadCommand(0), DeleteCommand(1), "zz"),
                         [](const auto& info) {
                             // The command's two letters say which it is; what follows is its data.
                             return CaseName(info.param.substr(0, 2));
                         });

TEST_F(EmulatorCommands, StatusAndLogOutWorkLoggedOut) {
    EXPECT_GT(Body(Line->Exchange("$s")).size(), 20u);
    EXPECT_EQ(CodeOf("*q"), 0);
}

TEST_F(EmulatorCommands, PrintSwitchIsStored) {
    LogIn();
    EXPECT_EQ(CodeOf(WithSep("#y1|1|")), 0);
    EXPECT_TRUE(Emulator.PrintingOn());
    EXPECT_EQ(CodeOf(WithSep("#y1|0|")), 0);
    EXPECT_FALSE(Emulator.PrintingOn());
}

TEST_F(EmulatorCommands, StatusHasSeventeenFieldsWithTodayAndTheArticleCount) {
    LogIn();
    ASSERT_EQ(CodeOf(WriteCommand(3, "Jogurt", "860", 8950)), 0);
    ASSERT_EQ(CodeOf(WriteCommand(7, "Mleko", "861", 12900)), 0);
    const std::vector<std::string> f = StatusFields(Body(Line->Exchange("$s")));
    const std::time_t now = std::time(nullptr);
    std::tm today{};
    localtime_r(&now, &today);
    EXPECT_EQ(f[3], std::to_string(today.tm_year + 1900));
    EXPECT_EQ(f[4], std::to_string(today.tm_mon + 1));
    EXPECT_EQ(f[5], std::to_string(today.tm_mday));
    EXPECT_EQ(f[8], "TALON EMULATOR 1.0");
    EXPECT_EQ(f[13], "0");
    EXPECT_EQ(f[14], "2");
    for (const int numeric : {0, 1, 2, 9, 10, 11, 12, 15, 16}) {
        EXPECT_GT(std::atoi(f[static_cast<std::size_t>(numeric)].c_str()), 0) << numeric;
    }
}

TEST_F(EmulatorCommands, WrittenChainReadsBackInOrder) {
    LogIn();
    for (const int location : {9, 1, 5}) {
        ASSERT_EQ(CodeOf(WriteCommand(location, "Art" + std::to_string(location),
                                      "86" + std::to_string(location), 100 * location)),
                  0);
    }
    struct Step {
        int Ask;
        int This;
        int Next;
    };
    for (const Step s : {Step{0, 1, 5}, Step{5, 5, 9}, Step{9, 9, 0}, Step{1, 1, 5}}) {
        const std::vector<std::string> f = ReadingFields(Body(Line->Exchange(ReadCommand(s.Ask))));
        EXPECT_EQ(f[0], "Art" + std::to_string(s.This));
        EXPECT_EQ(f[1], "86" + std::to_string(s.This));
        EXPECT_EQ(f[2], std::to_string(100 * s.This));
        // Programmed as PriceFixed 1, MinPrice 0, MaxPrice 1: read back MaxPrice first.
        EXPECT_EQ(f[6] + f[7] + f[8], "110");
        EXPECT_EQ(f[10], "1500");
        EXPECT_EQ(f[11], "9999");
        EXPECT_EQ(f[12], std::to_string(s.This));
        EXPECT_EQ(f[13], std::to_string(s.Next));
    }
    const auto articles = Emulator.Articles();
    ASSERT_EQ(articles.size(), 3u);
    EXPECT_EQ(articles.at(5).GetNextID(), 9);
    EXPECT_TRUE(articles.at(5).GetMaxPrice());
    EXPECT_FALSE(articles.at(5).GetMinPrice());
}

TEST_F(EmulatorCommands, ReadingNothingGivesCode20) {
    LogIn();
    EXPECT_EQ(CodeOf(ReadCommand(0)), 20);
    ASSERT_EQ(CodeOf(WriteCommand(4, "A", "1", 100)), 0);
    EXPECT_EQ(CodeOf(ReadCommand(3)), 20);
    EXPECT_EQ(Body(Line->Exchange(ReadCommand(3))).size(), 4u); // an error body to the program
}

struct RefusalCase {
    const char* Title;
    int Location;
    const char* Name;
    const char* Barcode;
    long long Price;
    int Code;
};

class EmulatorWriteRefusal : public EmulatorLine,
                             public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(EmulatorWriteRefusal, GivesItsCodeAndStoresNothing) {
    LogIn();
    ASSERT_EQ(CodeOf(WriteCommand(10, "Hleb", "111", 500)), 0);
    const RefusalCase& c = GetParam();
    EXPECT_EQ(CodeOf(WriteCommand(c.Location, c.Name, c.Barcode, c.Price)), c.Code);
    EXPECT_EQ(Emulator.Articles().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, EmulatorWriteRefusal,
    ::testing::Values(RefusalCase{"LocationZero", 0, "Mleko", "222", 500, 111},
                      RefusalCase{"LocationAtLimit", 2400, "Mleko", "222", 500, 111},
                      RefusalCase{"NegativeLocation", -3, "Mleko", "222", 500, 111},
                      RefusalCase{"EmptyName", 11, "", "222", 500, 115},
                      RefusalCase{"ZeroPrice", 11, "Mleko", "222", 0, 52},
                      RefusalCase{"NegativePrice", 11, "Mleko", "222", -100, 52},
                      RefusalCase{"BarcodeTaken", 11, "Mleko", "111", 500, 122},
                      RefusalCase{"NameTaken", 11, "Hleb", "222", 500, 108}),
    [](const auto& info) { return std::string(info.param.Title); });

TEST_F(EmulatorCommands, RewritingTheSameLocationKeepsItsNameAndBarcode) {
    LogIn();
    ASSERT_EQ(CodeOf(WriteCommand(10, "Hleb", "111", 500)), 0);
    EXPECT_EQ(CodeOf(WriteCommand(10, "Hleb", "111", 700)), 0);
    EXPECT_DOUBLE_EQ(Emulator.Articles().at(10).GetPrice(), 7.0);
}

TEST_F(EmulatorCommands, NamesAndBarcodesFreedByDeleteOrRewriteCanBeTaken) {
    LogIn();
    ASSERT_EQ(CodeOf(WriteCommand(10, "Hleb", "111", 500)), 0);
    ASSERT_EQ(CodeOf(WriteCommand(12, "Kifla", "112", 500)), 0);
    ASSERT_EQ(CodeOf(WriteCommand(10, "Zemicka", "113", 500)), 0);
    EXPECT_EQ(CodeOf(WriteCommand(11, "Hleb", "111", 500)), 0);
    ASSERT_EQ(CodeOf(DeleteCommand(12)), 0);
    EXPECT_EQ(CodeOf(WriteCommand(13, "Kifla", "112", 500)), 0);
    EXPECT_EQ(CodeOf(WriteCommand(14, "Zemicka", "114", 500)), 108);
}

TEST_F(EmulatorCommands, DeleteErasesOnceThenGives20) {
    LogIn();
    ASSERT_EQ(CodeOf(WriteCommand(6, "Kafa", "333", 3499)), 0);
    EXPECT_EQ(CodeOf(DeleteCommand(6)), 0);
    EXPECT_TRUE(Emulator.Articles().empty());
    EXPECT_EQ(CodeOf(DeleteCommand(6)), 20);
}

TEST_F(EmulatorCommands, UnknownCommandGives255) {
    LogIn();
    EXPECT_EQ(CodeOf("$z"), 255);
    EXPECT_EQ(CodeOf("#r6"), 255);
}

TEST_F(EmulatorCommands, BackslashInAStoredNameNeverReachesTheLine) {
    LogIn();
    ASSERT_EQ(CodeOf(WriteCommand(2, "A\\B", "444", 100)), 0);
    const std::string reply = Line->Exchange(ReadCommand(2));
    EXPECT_EQ(reply.find('\\'), reply.size() - 1);
    EXPECT_EQ(Body(reply).substr(0, 4), "A?B\n");
}

struct LimitCase {
    const char* Title;
    EmulatorOptions Options;
    const char* Password;
    int Limit;              // the first location refused
    const char* NewVersion; // set on the running emulator, or nullptr
};

EmulatorOptions FiftyAndPassword() {
    EmulatorOptions o;
    o.ArticleLimit = 50;
    o.Password = "0000";
    return o;
}

class EmulatorLimit : public EmulatorLine, public ::testing::WithParamInterface<LimitCase> {
protected:
    EmulatorLimit() : EmulatorLine(GetParam().Options) {}
};

TEST_P(EmulatorLimit, TakesLocationsBelowTheLimitWithItsPassword) {
    if (GetParam().NewVersion) {
        Emulator.SetVersion(GetParam().NewVersion);
    }
    if (std::string(GetParam().Password) != DefaultPassword) {
        EXPECT_EQ(CodeOf(std::string("*i") + DefaultPassword + "\n"), 104);
    }
    EXPECT_EQ(CodeOf(std::string("*i") + GetParam().Password + "\n"), 0);
    EXPECT_EQ(CodeOf(WriteCommand(GetParam().Limit - 1, "A", "1", 100)), 0);
    EXPECT_EQ(CodeOf(WriteCommand(GetParam().Limit, "B", "2", 100)), 111);
}

INSTANTIATE_TEST_SUITE_P(
    Options, EmulatorLimit,
    ::testing::Values(LimitCase{"Korval", EmulatorOptions(), DefaultPassword, 1400,
                                "\xCA\xCE\xD0\xC2\xC0\xCB \xD2\xC0\xCB\xCE\xCD \xD1\xD0"},
                      LimitCase{"Options", FiftyAndPassword(), "0000", 50, nullptr}),
    [](const auto& info) { return std::string(info.param.Title); });

} // namespace
