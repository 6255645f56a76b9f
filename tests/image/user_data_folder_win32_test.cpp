#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "image/user_data_folder.h"

namespace {

const wchar_t* const Variable = L"LOCALAPPDATA";

// Puts the variable back as it was.
class SavedVariable {
public:
    SavedVariable() {
        const wchar_t* value = _wgetenv(Variable);
        Earlier = value != nullptr ? value : L"";
    }
    ~SavedVariable() { _wputenv_s(Variable, Earlier.c_str()); }
    SavedVariable(const SavedVariable&) = delete;
    SavedVariable& operator=(const SavedVariable&) = delete;

private:
    std::wstring Earlier;
};

TEST(UserDataFolder, CyrillicProfileComesAsUtf8) {
    const SavedVariable saved;
    ASSERT_EQ(_wputenv_s(Variable, L"C:\\users\\\u041C\u0438\u043B\u0430\\AppData\\Local"), 0);
    EXPECT_EQ(UserDataFolder(), "C:\\users\\Мила\\AppData\\Local");
}

} // namespace
