#include "articles/field_values.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "text/digits.h"

namespace {

constexpr char Quote = '"';
constexpr char Minus = '-';
constexpr char Point = '.';
constexpr char Comma = ',';
constexpr std::size_t QuotePairSize = 2;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool IsSeparator(char c) {
    return c == Point || c == Comma;
}

std::string Trimmed(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(text[first])) {
        ++first;
    }
    while (last > first && IsBlank(text[last - 1])) {
        --last;
    }
    return text.substr(first, last - first);
}

bool IsQuoted(const std::string& text) {
    return text.size() >= QuotePairSize && text.front() == Quote && text.back() == Quote;
}

// The text inside the quotes, a doubled quote read as one.
std::string Inside(const std::string& text) {
    std::string out;
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        out += text[i];
        if (text[i] == Quote && text[i + 1] == Quote && i + 2 < text.size()) {
            ++i;
        }
    }
    return out;
}

// Digits with at most one separator from `at` to the end; the count of digits.
int PlainDigits(const std::string& text, std::size_t at, std::size_t end) {
    int digits = 0;
    int separators = 0;
    for (std::size_t i = at; i < end; ++i) {
        if (IsDigit(text[i])) {
            ++digits;
        } else if (IsSeparator(text[i]) && separators == 0) {
            ++separators;
        } else {
            return -1;
        }
    }
    return digits;
}

} // namespace

std::string FieldValue(const ECRString& field) {
    const std::string text = Trimmed(field.Text());
    return IsQuoted(text) ? Trimmed(Inside(text)) : text;
}

ECRString BarcodeValue(const ECRString& field) {
    const std::string text = Trimmed(field.Text());
    return IsQuoted(text) ? ECRString(Inside(text).c_str()) : field;
}

bool ReadPlainNumber(const std::string& text, double& value) {
    const std::size_t start = !text.empty() && text[0] == Minus ? 1 : 0;
    if (PlainDigits(text, start, text.size()) <= 0) {
        return false;
    }
    std::string normal = text;
    for (char& c : normal) {
        c = c == Comma ? Point : c;
    }
    const char* end = normal.data() + normal.size();
    double parsed = 0.0;
    const auto [stop, error] =
        std::from_chars(normal.data(), end, parsed, std::chars_format::fixed);
    if (error != std::errc() || stop != end || !std::isfinite(parsed)) {
        return false;
    }
    value = parsed;
    return true;
}

bool ReadWholeNumber(const std::string& text, std::int32_t& value) {
    double parsed = 0.0;
    if (!ReadPlainNumber(text, parsed)) {
        return false;
    }
    const double whole = std::trunc(parsed);
    if (whole > std::numeric_limits<std::int32_t>::max() ||
        whole < std::numeric_limits<std::int32_t>::min()) {
        return false;
    }
    value = static_cast<std::int32_t>(whole);
    return true;
}

bool IsExponentForm(const std::string& text) {
    const std::size_t e = text.find_first_of("eE");
    if (e == std::string::npos || PlainDigits(text, 0, e) <= 0) {
        return false;
    }
    std::size_t i = e + 1;
    if (i < text.size() && (text[i] == '+' || text[i] == Minus)) {
        ++i;
    }
    return AllDigits(std::string_view(text).substr(i));
}
