// The record of changes on disk: only ever appended to.
#include <string>

#include <gtest/gtest.h>

#include "image/change_record.h"
#include "tests/articles/article_test_files.h"

namespace {

const std::string Heading = std::string(HistoryHeading) + "\n";

TEST(HistoryFile, StartsWithTheHeadingAndKeepsEveryLine) {
    TempDir dir;
    const std::string path = HistoryPath(dir.File("registers"), "Каса");
    ASSERT_TRUE(AppendHistoryLine(path, "first"));
    EXPECT_EQ(ReadBytes(path), Heading + "first\n");
    const std::string before = ReadBytes(path);
    ASSERT_TRUE(AppendHistoryLine(path, "second"));
    const std::string after = ReadBytes(path);
    EXPECT_EQ(after.compare(0, before.size(), before), 0);
    EXPECT_EQ(after, Heading + "first\nsecond\n");
}

// A line cut short (a full disk, a power cut) is ended, never written onto.
TEST(HistoryFile, AnUnfinishedLastLineIsEndedFirst) {
    TempDir dir;
    const std::string path = dir.File("r.history.tsv");
    WriteBytes(path, Heading + "2026-12-01 08:00:00\tposal");
    ASSERT_TRUE(AppendHistoryLine(path, "next"));
    EXPECT_EQ(ReadBytes(path), Heading + "2026-12-01 08:00:00\tposal\nnext\n");
}

TEST(HistoryFile, AnEmptyFileGetsItsHeading) {
    TempDir dir;
    const std::string path = dir.File("r.history.tsv");
    WriteBytes(path, "");
    ASSERT_TRUE(AppendHistoryLine(path, "line"));
    EXPECT_EQ(ReadBytes(path), Heading + "line\n");
}

TEST(HistoryFile, ToldWhenItCannotBeWritten) {
    TempDir dir;
    WriteBytes(dir.File("registers"), "a file where the folder would go");
    EXPECT_FALSE(AppendHistoryLine(HistoryPath(dir.File("registers"), "r"), "line"));
}

// The image names what a location held; when the image was not trusted that is unknown
// until the operation itself has written the location.
TEST(ChangeRecord, KnowsALocationOnceItWroteIt) {
    TempDir dir;
    const std::string path = dir.File("r.history.tsv");
    ChangeRecord history;
    history.Begin(path, HistoryOperation::Send, false);
    TalonPLUItem first;
    first.SetDescription("Hleb");
    first.SetCode("5");
    first.SetPrice(60.0);
    RegisterImage image;
    history.Record(5, image, &first);
    image.Articles[5] = first;
    TalonPLUItem second = first;
    second.SetPrice(65.0);
    history.Record(5, image, &second);
    history.Record(6, image, nullptr);
    EXPECT_EQ(history.Failures(), 0);
    const std::string text = ReadBytes(path);
    EXPECT_NE(text.find("\tposalji\t5\t5\tHleb\t?\t60.00\t\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\tposalji\t5\t5\tHleb\t60.00\t65.00\t\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\tposalji\t6\t\t\t?\t\t\n"), std::string::npos) << text;
}

} // namespace
