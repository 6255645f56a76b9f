#include "text/c_numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

#include "text/digits.h"

namespace {

constexpr int DefaultDecimals = 6; // what printf uses when the precision is negative
// Room for the integer part of the largest double (309 digits), sign and point.
constexpr std::size_t IntegerRoom = 320;

// The whitespace of the C locale, as atol and atof skip it.
bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

const char* SkipSpace(const char* text) {
    while (IsCSpace(*text))
        ++text;
    return text;
}

// Decimal order of magnitude of a number that from_chars found out of range, so
// that it can be told whether it overflowed (huge) or underflowed (tiny).
long OrderOfMagnitude(const char* first, const char* last) {
    long order = 0;
    bool seenPoint = false;
    bool seenDigit = false;
    const char* p = first;
    for (; p < last && *p != 'e' && *p != 'E'; ++p) {
        if (*p == '.') {
            seenPoint = true;
        } else if (IsDigit(*p) && (*p != '0' || seenDigit)) {
            if (!seenDigit && seenPoint)
                order -= 1;
            if (seenDigit && !seenPoint)
                order += 1;
            seenDigit = true;
        } else if (*p == '0' && seenPoint) {
            order -= 1;
        }
    }
    if (p < last) {
        // Far beyond any double's range either way; clamped so the sum cannot overflow.
        constexpr long ExponentBound = 100000;
        const long exponent = std::strtol(p + 1, nullptr, 10);
        order += std::clamp(exponent, -ExponentBound, ExponentBound);
    }
    return order;
}

} // namespace

std::int32_t ReadLong(const char* text) {
    if (!text)
        return 0;
    const char* p = SkipSpace(text);
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    constexpr std::int64_t High = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t Low = std::numeric_limits<std::int32_t>::min();
    std::int64_t value = 0;
    for (; IsDigit(*p); ++p) {
        value = value * 10 + (*p - '0');
        if (value > High + 1)
            break; // saturated; more digits change nothing
    }
    if (negative)
        value = -value;
    if (value > High)
        return static_cast<std::int32_t>(High);
    if (value < Low)
        return static_cast<std::int32_t>(Low);
    return static_cast<std::int32_t>(value);
}

double ReadDouble(const char* text) {
    if (!text)
        return 0.0;
    const char* p = SkipSpace(text);
    // from_chars takes a minus sign but no plus sign, and never a sign after a sign.
    if (*p == '+') {
        ++p;
        if (*p == '-' || *p == '+')
            return 0.0;
    }
    // Only a decimal number counts: the C library would also take "inf", "nan" and
    // hexadecimal forms, which no article file or register field means as a number.
    const char* first = *p == '-' ? p + 1 : p;
    if (!IsDigit(*first) && *first != '.')
        return 0.0;
    const char* last = p;
    while (*last)
        ++last;
    double value = 0.0;
    auto [end, error] = std::from_chars(p, last, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        const bool negative = *p == '-';
        const char* digits = negative ? p + 1 : p;
        const double magnitude = OrderOfMagnitude(digits, end) > 0 ? HUGE_VAL : 0.0;
        return negative ? -magnitude : magnitude;
    }
    return error == std::errc() ? value : 0.0;
}

std::string FormatFixed(double value, int decimals) {
    if (decimals < 0)
        decimals = DefaultDecimals;
    std::string out(IntegerRoom + static_cast<std::size_t>(decimals), '\0');
    auto [end, error] = std::to_chars(out.data(), out.data() + out.size(), value,
                                      std::chars_format::fixed, decimals);
    if (error != std::errc())
        return std::string();
    out.resize(static_cast<std::size_t>(end - out.data()));
    return out;
}
