#include <cstdio>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "tests/articles/article_test_files.h"
#include "files/scratch_folder.h"
#include "articles/xlsx_save.h"

namespace {

const char* const Variable = "TMPDIR";

// Makes a path the system's temporary folder (TMPDIR) for its lifetime.
class TemporaryFolderAt {
public:
    explicit TemporaryFolderAt(const std::string& folder) {
        const char* value = std::getenv(Variable);
        Had = value != nullptr;
        Earlier = Had ? value : "";
        setenv(Variable, folder.c_str(), 1);
    }
    ~TemporaryFolderAt() {
        if (Had) {
            setenv(Variable, Earlier.c_str(), 1);
        } else {
            unsetenv(Variable);
        }
    }
    TemporaryFolderAt(const TemporaryFolderAt&) = delete;
    TemporaryFolderAt& operator=(const TemporaryFolderAt&) = delete;

private:
    bool Had = false;
    std::string Earlier;
};

TEST(ScratchFolder, PrivateFolderGoneAfterUse) {
    TempDir dir;
    const TemporaryFolderAt moved(dir.Dir());
    {
        const ScratchFolder scratch;
        ASSERT_FALSE(scratch.Path().empty());
        EXPECT_EQ(FilesIn(dir.Dir()), 1);
        EXPECT_EQ(std::filesystem::status(scratch.Path()).permissions() &
                      std::filesystem::perms::all,
                  std::filesystem::perms::owner_all);
        WriteBytes(scratch.File("a.xlsx"), "x");
    }
    EXPECT_EQ(FilesIn(dir.Dir()), 0);
}

// Without a temporary folder the workbook cannot be made: the save fails and leaves the
// earlier file as it was.
TEST(ScratchFolder, NoTemporaryFolderNoSave) {
    TempDir dir;
    const std::string target = dir.File("a.xlsx");
    WriteBytes(target, "old");
    const TemporaryFolderAt moved(dir.File("nema"));
    EXPECT_TRUE(ScratchFolder().Path().empty());
    ArticleTable table;
    table[2] = RegisterArticle("Hleb", "0100", 2);
    EXPECT_FALSE(SaveArticlesXlsx(target, table));
    EXPECT_EQ(ReadBytes(target), "old");
    EXPECT_EQ(FilesIn(dir.Dir()), 1);
}

} // namespace
