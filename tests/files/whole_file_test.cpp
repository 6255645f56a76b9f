// Reading a whole file.
#include <string>

#include <gtest/gtest.h>

#include "files/whole_file.h"
#include "tests/articles/article_test_files.h"

namespace {

TEST(ReadWholeFile, ReadsEveryByteOrSaysItCannot) {
    TempDir dir;
    const std::string big(200000, 'x');
    WriteBytes(dir.File("r"), big);
    std::string text;
    ASSERT_EQ(ReadWholeFile(dir.File("r"), text), WholeFileRead::Read);
    EXPECT_EQ(text, big);
    EXPECT_EQ(ReadWholeFile(dir.File("missing"), text), WholeFileRead::NotOpened);
}

} // namespace
