#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/articles/article_test_files.h"
#include "files/scratch_folder.h"
#include "articles/xlsx_save.h"
#include "text/wide_path.h"
#include "text/windows_api.h"

namespace {

const wchar_t* const TemporaryVariables[] = {L"TMP", L"TEMP"};

// Makes a folder the system's temporary folder (GetTempPathW reads TMP, then TEMP) for
// its lifetime.
class TemporaryFolderAt {
public:
    explicit TemporaryFolderAt(const std::wstring& folder) {
        for (const wchar_t* variable : TemporaryVariables) {
            wchar_t value[MAX_PATH + 1];
            const DWORD length = GetEnvironmentVariableW(variable, value, MAX_PATH + 1);
            Earlier.push_back(length > 0 && length <= MAX_PATH ? value : L"");
            SetEnvironmentVariableW(variable, folder.c_str());
        }
    }
    ~TemporaryFolderAt() {
        for (std::size_t i = 0; i < Earlier.size(); ++i) {
            SetEnvironmentVariableW(TemporaryVariables[i],
                                    Earlier[i].empty() ? nullptr : Earlier[i].c_str());
        }
    }
    TemporaryFolderAt(const TemporaryFolderAt&) = delete;
    TemporaryFolderAt& operator=(const TemporaryFolderAt&) = delete;

private:
    std::vector<std::wstring> Earlier;
};

// A user whose name the ANSI code page cannot spell has such a temporary folder; the
// library that writes workbooks opens its files by ANSI names.
TEST(ScratchFolder, TemporaryFolderWithCyrillicName) {
    TempDir dir;
    const std::string temporary = dir.File("привремено Мила");
    ASSERT_TRUE(std::filesystem::create_directory(PathOf(temporary)));
    const TemporaryFolderAt moved(WidePath(temporary));
    {
        const ScratchFolder scratch;
        ASSERT_FALSE(scratch.Path().empty());
        EXPECT_EQ(FilesIn(temporary), 1);
        std::FILE* file = std::fopen(scratch.File("a.xlsx").c_str(), "wb");
        ASSERT_NE(file, nullptr) << scratch.Path();
        std::fclose(file);
    }
    EXPECT_EQ(FilesIn(temporary), 0); // the folder went with what it held
    ArticleTable table;
    table[2] = RegisterArticle("Hleb", "0100", 2);
    ASSERT_TRUE(SaveArticlesXlsx(dir.File("цене.xlsx"), table));
    EXPECT_EQ(ReadBytes(dir.File("цене.xlsx")).substr(0, 2), "PK");
    EXPECT_EQ(FilesIn(temporary), 0);
}

} // namespace
