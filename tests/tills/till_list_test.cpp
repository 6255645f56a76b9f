// The tills file: what a till becomes on disk and back, and lines a user spoiled by hand.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/articles/article_test_files.h"
#include "text/log_sink.h"
#include "tills/till_list.h"

namespace {

class KeptLines : public LogSink {
public:
    void Line(const ECRString& text) override { Lines.push_back(text.Text()); }
    std::vector<std::string> Lines;
};

struct SavedCase {
    const char* Label;
    Till Saved;
    const char* InFile; // what the till's line must hold
    const char* NotInFile;
};

Till MakeTill(const std::string& name, const std::string& password = FactoryPassword) {
    Till till;
    till.Name = name;
    till.Port = "/dev/ttyUSB0";
    till.Password = password;
    return till;
}

class TillSaved : public ::testing::TestWithParam<SavedCase> {};

TEST_P(TillSaved, ComesBackAsItWasAndTheFileIsTheOwnersAlone) {
    const SavedCase& c = GetParam();
    TempDir dir;
    KeptLines log;
    TillList list(dir.File("talonsendplu/tills.txt"));
    list.Put(MakeTill("Prva"));
    list.Put(c.Saved);
    ASSERT_TRUE(list.Save(log));
    const std::string text = ReadBytes(list.Path());
    EXPECT_NE(text.find(c.InFile), std::string::npos) << text;
    EXPECT_EQ(text.find(c.NotInFile), std::string::npos) << text;
    TillList again(list.Path());
    again.Load(log);
    EXPECT_TRUE(log.Lines.empty()) << log.Lines.front();
    ASSERT_EQ(again.Tills().size(), 2u);
    const Till& read = again.Tills()[1];
    EXPECT_EQ(read.Name, c.Saved.Name);
    EXPECT_EQ(read.Port, c.Saved.Port);
    EXPECT_EQ(read.Password, c.Saved.Password);
    EXPECT_EQ(read.Enabled, c.Saved.Enabled);
#ifndef _WIN32
    const auto rights = std::filesystem::status(list.Path()).permissions();
    EXPECT_EQ(rights & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
#endif
}

Till Off(Till till) {
    till.Enabled = false;
    till.Port = "tcp://[::1]:4001";
    return till;
}

INSTANTIATE_TEST_SUITE_P(
    Names, TillSaved,
    ::testing::Values(
        SavedCase{"Cyrillic", MakeTill("Каса у магацину"), "Каса у магацину\t", "\\"},
        SavedCase{"TabAndQuotes", MakeTill("Kasa\t\"2\""), "Kasa\\t\"2\"\t", "Kasa\t"},
        SavedCase{"LineBreakAndBackslash", MakeTill("a\\b\nc"), "a\\\\b\\nc\t", "b\nc"},
        SavedCase{"LeadingHashIsNoComment", MakeTill("#3"), "\n\\#3\t", "\n#3"},
        SavedCase{"FactoryPasswordLeftOut", MakeTill("Kasa"), "\tda\t\t", "\t7351"},
        SavedCase{"OwnPasswordKept", MakeTill("Kasa", "12\t34"), "\tda\t12\\t34\t", "\t7351"},
        SavedCase{"OffOnTheNetwork", Off(MakeTill("Kasa")), "tcp://[::1]:4001\t9600\tne",
                  "4001\t9600\tda"}),
    [](const ::testing::TestParamInfo<SavedCase>& info) { return info.param.Label; });

struct DamagedCase {
    const char* Label;
    const char* Line;
    const char* Reason;
};

class TillDamaged : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(TillDamaged, IsNamedLeftOutAndNeverSavedOver) {
    TempDir dir;
    const std::string path = dir.File("tills.txt");
    const std::string text = std::string("\xEF\xBB\xBF# kase\r\nPrva\t1\t9600\r\n") +
                             GetParam().Line + "\r\nTreca\tCOM3\t19200\tne\r\n";
    WriteBytes(path, text);
    KeptLines log;
    TillList list(path);
    list.Load(log);
    ASSERT_EQ(log.Lines.size(), 1u);
    EXPECT_EQ(log.Lines[0], std::string("Kase: red 3 nije ispravan: ") + GetParam().Reason);
    ASSERT_EQ(list.Tills().size(), 2u);
    EXPECT_EQ(list.Tills()[1].Name, "Treca");
    EXPECT_FALSE(list.Tills()[1].Enabled);
    list.Put(MakeTill("Nova"));
    EXPECT_FALSE(list.Save(log));
    EXPECT_EQ(ReadBytes(path), text);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TillDamaged,
    ::testing::Values(
        DamagedCase{"OddSpeed", "Druga\t2\t4800", "brzina je 9600 ili 19200"},
        DamagedCase{"SpacesForTabs", "Druga 2 9600",
                    "treba bar ime, port i brzina, odvojeni TAB-om"},
        DamagedCase{"NoName", "\t2\t9600", "nema imena"},
        DamagedCase{"OddSwitch", "Druga\t2\t9600\tjeste", "ukljucena je da ili ne"},
        DamagedCase{"OddEscape", "Dr\\uga\t2\t9600", "neispravan znak posle \\ u imenu"},
        DamagedCase{"MalformedAddress", "Druga\ttcp://kasa\t9600", "neispravna mrezna adresa"},
        DamagedCase{"SavedAsCp1251", "\xCA\xE0\xF1\xE0\t2\t9600", "tekst nije UTF-8"},
        DamagedCase{"SameNameTwice", "Prva\t2\t9600", "ime se ponavlja"},
        DamagedCase{"SevenFields", "Druga\t2\t9600\tda\t\tTE1\tx", "vise od 6 polja"}),
    [](const ::testing::TestParamInfo<DamagedCase>& info) { return info.param.Label; });

TEST(TillList, MissingFileIsAnEmptyListThatSaves) {
    TempDir dir;
    KeptLines log;
    TillList list(dir.File("nova/tills.txt"));
    list.Load(log);
    EXPECT_TRUE(list.Tills().empty());
    EXPECT_TRUE(log.Lines.empty());
    list.Put(MakeTill("Prva"));
    EXPECT_TRUE(list.Save(log));
}

} // namespace
