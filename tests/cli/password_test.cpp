#include <string>

#include <gtest/gtest.h>

#include "cli/password.h"
#include "tests/articles/article_test_files.h"

namespace {

TEST(ReadPassword, FileNamedOutsideAscii) {
    TempDir dir;
    const std::string path = dir.File("лозинка.txt");
    WriteBytes(path, "1234\r\nnot this line\n");
    std::string password;
    std::string failure;
    ASSERT_TRUE(ReadPassword(path, password, failure)) << failure;
    EXPECT_EQ(password, "1234");
}

} // namespace
