#include "sheets/sheet_dates.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

constexpr int FirstBuiltInDate = 14;
constexpr int LastBuiltInDate = 17;
constexpr int FirstBuiltInTime = 18;
constexpr int LastBuiltInTime = 21;
constexpr int BuiltInDateTime = 22;
constexpr int FirstBuiltInDuration = 45;
constexpr int LastBuiltInDuration = 47;

constexpr long long SecondsPerDay = 86400;
constexpr long long SecondsPerHour = 3600;
constexpr long long SecondsPerMinute = 60;
constexpr long long MaxDurationHours = 1000000; // keeps the seconds far within range
// Days from 1970-01-01 back to the day before each epoch's day 1.
constexpr long Epoch1900 = -25569;       // 1899-12-30: Excel counts 1900-02-29, which never was
constexpr long Epoch1904 = -24107;       // 1904-01-01 is day 0
constexpr long LeapDay1900 = 60;         // the day Excel numbers 1900-02-29
constexpr double LastSerial = 2958465.0; // 9999-12-31

// Year, month and day of a count of days since 1970-01-01 (proleptic Gregorian).
void CivilFromDays(long z, long& y, unsigned& m, unsigned& d) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<long>(yoe) + era * 400 + (m <= 2 ? 1 : 0);
}

// Seconds as a long long: a duration's may pass what a 32-bit long holds (Windows).
std::string ClockText(long long seconds) {
    char text[48];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", seconds / SecondsPerHour,
                  seconds % SecondsPerHour / SecondsPerMinute, seconds % SecondsPerMinute);
    return text;
}

std::string DayText(long y, unsigned m, unsigned d) {
    char text[32];
    std::snprintf(text, sizeof text, "%04ld-%02u-%02u", y, m, d);
    return text;
}

} // namespace

NumberFormatKind FormatKindOf(int id, const std::string& code) {
    if ((id >= FirstBuiltInDate && id <= LastBuiltInDate) || id == BuiltInDateTime) {
        return NumberFormatKind::Date;
    }
    if ((id >= FirstBuiltInTime && id <= LastBuiltInTime) ||
        (id >= FirstBuiltInDuration && id <= LastBuiltInDuration)) {
        return NumberFormatKind::Time;
    }
    bool date = false;
    bool time = false;
    bool month = false;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(code[i])));
        if (c == '"') {
            const std::size_t close = code.find('"', i + 1);
            i = close == std::string::npos ? code.size() : close;
        } else if (c == '[') {
            const std::size_t close = code.find(']', i + 1);
            i = close == std::string::npos ? code.size() : close;
        } else if (c == '\\' || c == '_' || c == '*') {
            ++i; // the next character is shown, padded or repeated as it is
        } else {
            date = date || c == 'd' || c == 'y';
            time = time || c == 'h' || c == 's';
            month = month || c == 'm';
        }
    }
    if (date) {
        return NumberFormatKind::Date;
    }
    if (time) {
        return NumberFormatKind::Time;
    }
    return month ? NumberFormatKind::Date : NumberFormatKind::Number;
}

std::string SerialDateText(double serial, bool epoch1904, const std::string& raw) {
    if (!(serial >= 0.0 && serial <= LastSerial)) {
        return raw;
    }
    const double whole = std::floor(serial);
    long days = static_cast<long>(whole);
    long long seconds = std::llround((serial - whole) * SecondsPerDay);
    if (seconds == SecondsPerDay) {
        ++days;
        seconds = 0;
    }
    std::string text;
    if (!epoch1904 && days == LeapDay1900) {
        text = "1900-02-29";
    } else {
        const long shift = epoch1904 ? Epoch1904 : (days < LeapDay1900 ? Epoch1900 + 1 : Epoch1900);
        long y = 0;
        unsigned m = 0;
        unsigned d = 0;
        CivilFromDays(days + shift, y, m, d);
        text = DayText(y, m, d);
    }
    return seconds == 0 ? text : text + " " + ClockText(seconds);
}

std::string SerialTimeText(double serial, const std::string& raw) {
    if (!(serial >= 0.0 && serial <= LastSerial)) {
        return raw;
    }
    return ClockText(std::llround(serial * SecondsPerDay));
}

std::string IsoDateText(const std::string& iso) {
    constexpr std::size_t ClockLength = 8; // HH:MM:SS
    const std::size_t t = iso.find('T');
    if (t == std::string::npos) {
        return iso;
    }
    const std::string day = iso.substr(0, t);
    const std::string clock = iso.substr(t + 1, ClockLength);
    return clock.empty() || clock == "00:00:00" ? day : day + " " + clock;
}

std::string IsoTimeText(const std::string& iso) {
    long long hours = 0;
    long long minutes = 0;
    double seconds = 0.0;
    int used = 0;
    if (std::sscanf(iso.c_str(), "PT%lldH%lldM%lfS%n", &hours, &minutes, &seconds, &used) != 3 ||
        static_cast<std::size_t>(used) != iso.size() || hours < 0 || minutes < 0 ||
        !(seconds >= 0.0 && seconds < SecondsPerMinute) || hours > MaxDurationHours) {
        return iso;
    }
    return ClockText(hours * SecondsPerHour + minutes * SecondsPerMinute +
                     static_cast<long long>(std::floor(seconds)));
}
