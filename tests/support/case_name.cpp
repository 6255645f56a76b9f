#include "tests/support/case_name.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr std::string_view EmptyName = "empty";

std::string_view WordFor(char c) {
    switch (c) {
    case ' ':
        return "space";
    case '\t':
        return "tab";
    case '\n':
        return "lf";
    case '\r':
        return "cr";
    case '\v':
        return "vt";
    case '\f':
        return "ff";
    case '\0':
        return "nul";
    case '.':
        return "point";
    case ',':
        return "comma";
    case '"':
        return "quote";
    case '-':
        return "minus";
    case '+':
        return "plus";
    case '|':
        return "bar";
    case '=':
        return "equals";
    case '$':
        return "dollar";
    case '*':
        return "star";
    case '#':
        return "hash";
    case ':':
        return "colon";
    case '/':
        return "slash";
    case '\\':
        return "backslash";
    case '_':
        return "underscore";
    default:
        return {};
    }
}

std::string HexWord(char c) {
    char word[4];
    std::snprintf(word, sizeof word, "x%02X", static_cast<unsigned char>(c));
    return word;
}

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool IsAlnum(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

// A point between two digits is a decimal point: the '_' between them says it well enough.
bool IsDecimalPoint(std::string_view text, std::size_t i) {
    return text[i] == '.' && i > 0 && i + 1 < text.size() && IsDigit(text[i - 1]) &&
           IsDigit(text[i + 1]);
}

void AddPart(std::string& name, std::string_view part) {
    if (!name.empty() && name.back() != '_') {
        name += '_';
    }
    name += part;
}

} // namespace

std::string CaseName(std::string_view text) {
    if (text.empty()) {
        return std::string(EmptyName);
    }
    std::string name;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsAlnum(c)) {
            if (i > 0 && !IsAlnum(text[i - 1]) && !IsDecimalPoint(text, i - 1)) {
                name += '_';
            }
            name += c;
        } else if (IsDecimalPoint(text, i)) {
            name += '_';
        } else {
            const std::string_view word = WordFor(c);
            if (word.empty()) {
                AddPart(name, HexWord(c));
            } else {
                AddPart(name, word);
            }
        }
    }
    return name;
}

std::string CaseName(double number) {
    constexpr int MostDigits = 17; // enough for any double to read back unchanged
    char text[32];
    for (int digits = 1; digits <= MostDigits; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, number);
        if (std::strtod(text, nullptr) == number) {
            break;
        }
    }
    return CaseName(std::string_view(text));
}
