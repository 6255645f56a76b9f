#pragma once

#include <ostream>

// Names that hold the characters the article file gives a meaning: quotes at the start,
// inside and at the end, quotes already doubled, and the other separators.
struct NameCase {
    const char* Title;
    const char* Name;
};

inline void PrintTo(const NameCase& c, std::ostream* os) {
    *os << c.Title;
}

inline constexpr NameCase QuotedNames[] = {
    {"QuoteAtStart", "\"Zlatno\" zrno"},
    {"QuoteInside", "Sok \"Jabuka\" 1l"},
    {"QuoteAtEnd", "Monitor 24\""},
    {"LoneQuote", "\""},
    {"OnlyQuotes", "\"\"\"\""},
    {"DoubledQuotes", "Sok \"\"dupli\"\" 1l"},
    {"OddQuotes", "a\"b\"\"c\"\"\"d"},
    {"SemicolonAndComma", "Pivo; 0.5l, limenka"},
    {"QuotesAndSeparators", "\"a;b\",\"c\""},
    {"Backslash", "Sok\\1"},
    {"NoQuotes", "Hleb beli"},
};
