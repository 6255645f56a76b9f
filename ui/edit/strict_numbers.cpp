#include "ui/edit/strict_numbers.h"

#include <charconv>
#include <string>
#include <system_error>

#include "text/digits.h"

namespace {

const QString Point = QStringLiteral(".");

// from_chars takes no leading "+", so it is dropped here (but never before a "-").
std::string WithoutPlus(const QString& text) {
    std::string bytes = text.toStdString();
    if (bytes.size() > 1 && bytes[0] == '+' && bytes[1] != '-') {
        bytes.erase(0, 1);
    }
    return bytes;
}

// Digits with at most one ".", at least one digit, after an optional "-".
bool IsPlainDecimal(const std::string& bytes) {
    std::size_t i = (!bytes.empty() && bytes[0] == '-') ? 1 : 0;
    int digits = 0;
    int points = 0;
    for (; i < bytes.size(); ++i) {
        if (IsDigit(bytes[i])) {
            ++digits;
        } else if (bytes[i] == '.') {
            ++points;
        } else {
            return false;
        }
    }
    return digits > 0 && points <= 1;
}

} // namespace

bool ParseStrictInteger(const QString& text, std::int32_t& value) {
    const std::string bytes = WithoutPlus(text);
    const char* end = bytes.data() + bytes.size();
    std::int32_t parsed = 0;
    const auto [stop, error] = std::from_chars(bytes.data(), end, parsed);
    if (bytes.empty() || error != std::errc() || stop != end) {
        return false;
    }
    value = parsed;
    return true;
}

bool ParseStrictDecimal(const QString& text, const QString& userDecimalPoint, double& value) {
    QString normal = text;
    if (!userDecimalPoint.isEmpty() && userDecimalPoint != Point) {
        normal.replace(userDecimalPoint, Point);
    }
    const std::string bytes = WithoutPlus(normal);
    if (!IsPlainDecimal(bytes)) {
        return false;
    }
    const char* end = bytes.data() + bytes.size();
    double parsed = 0.0;
    const auto [stop, error] = std::from_chars(bytes.data(), end, parsed, std::chars_format::fixed);
    if (error != std::errc() || stop != end) {
        return false;
    }
    value = parsed;
    return true;
}
