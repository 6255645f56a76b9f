// The disk sync behind a writer tells a sync that failed, not only a write that did.
#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

#include "files/flush_to_disk.h"
#include "tests/articles/article_test_files.h"

namespace {

const char Line[] = "W\t2\n";

TEST(FlushBehind, AFileReachesTheDisk) {
    TempDir dir;
    std::FILE* file = std::fopen(dir.File("journal").c_str(), "ab");
    ASSERT_NE(file, nullptr);
    {
        FlushBehind flusher(file);
        for (int line = 0; line < 3; ++line) {
            ASSERT_NE(std::fputs(Line, file), EOF);
            EXPECT_TRUE(flusher.Flush());
        }
        EXPECT_TRUE(flusher.Wait());
    }
    EXPECT_EQ(std::fclose(file), 0);
}

// A pipe takes the line but cannot be synced: the failure comes with the wait, and every
// later flush fails too.
TEST(FlushBehind, AFailedSyncFailsTheWaitAndEveryLaterFlush) {
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    std::FILE* file = fdopen(ends[1], "wb");
    ASSERT_NE(file, nullptr);
    {
        FlushBehind flusher(file);
        ASSERT_NE(std::fputs(Line, file), EOF);
        EXPECT_TRUE(flusher.Flush());
        EXPECT_FALSE(flusher.Wait());
        ASSERT_NE(std::fputs(Line, file), EOF);
        EXPECT_FALSE(flusher.Flush());
    }
    std::fclose(file);
    close(ends[0]);
}

} // namespace
