#include "operations/history_report.h"

#include <algorithm>
#include <filesystem>

#include "image/change_record.h"
#include "operations/till_name.h"
#include "text/code_page.h"
#include "text/digits.h"
#include "text/file_path.h"
#include "text/utf8_text.h"

namespace {

constexpr std::size_t DateLength = sizeof "YYYY-MM-DD" - 1;
constexpr std::size_t MonthAt = 5;
constexpr std::size_t DayAt = 8;
constexpr int Months = 12;
constexpr int MaxDay = 31;

bool Digits(const std::string& text, std::size_t from, std::size_t count) {
    return AllDigits(std::string_view(text).substr(from, count));
}

bool InRange(const std::string& text, std::size_t at, int last) {
    const int value = std::stoi(text.substr(at, 2));
    return value >= 1 && value <= last;
}

} // namespace

bool IsHistoryDate(const std::string& text) {
    return text.size() == DateLength && Digits(text, 0, 4) && text[4] == '-' &&
           Digits(text, MonthAt, 2) && text[7] == '-' && Digits(text, DayAt, 2) &&
           InRange(text, MonthAt, Months) && InRange(text, DayAt, MaxDay);
}

std::vector<std::string> RegistersWithHistory(const std::string& folder, std::error_code& failed) {
    std::vector<std::string> names;
    const std::string suffix = HistorySuffix;
    const std::filesystem::path listed = FileSystemPath(folder);
    failed.clear();
    if (!std::filesystem::exists(listed, failed)) {
        return names; // no folder, no record; or `failed` says why it cannot be told
    }
    for (std::filesystem::directory_iterator it(listed, failed), end; !failed && it != end;
         it.increment(failed)) {
        const std::string file = it->path().filename().u8string();
        if (file.size() > suffix.size() &&
            file.compare(file.size() - suffix.size(), suffix.size(), suffix) == 0) {
            names.push_back(file.substr(0, file.size() - suffix.size()));
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string HistoryNameOf(const std::string& typed) {
    const std::string saved = TillImageName(typed);
    return !saved.empty() ? saved : ImageNameOf(Utf16ToCp1251(Utf8ToUtf16(typed)));
}
