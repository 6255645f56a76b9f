#include "emulator/wire_fields.h"

#include <cctype>
#include <climits>

#include "text/digits.h"

namespace {
constexpr long long NumberCeiling = LLONG_MAX / 10 - 10; // further digits are not taken
} // namespace

std::string CutAt(std::string& rest, char separator) {
    const std::string::size_type at = rest.find(separator);
    std::string field;
    if (at == std::string::npos) {
        field.swap(rest);
        return field;
    }
    field = rest.substr(0, at);
    rest.erase(0, at + 1);
    return field;
}

long long LeadingNumber(const std::string& text) {
    std::string::size_type i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])) != 0) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    while (i < text.size() && IsDigit(text[i]) && value < NumberCeiling) {
        value = value * 10 + (text[i] - '0');
        ++i;
    }
    return negative ? -value : value;
}

int LeadingInt(const std::string& text) {
    const long long value = LeadingNumber(text);
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}
