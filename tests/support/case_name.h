#pragma once

#include <string>
#include <string_view>
#include <type_traits>

// A parameterised case's name made from its input: GoogleTest takes only letters, digits
// and '_'. Letters and digits stay; every other byte becomes a word ("comma", "minus") or
// its hex code ("xFE"), so different inputs keep different names. "12.50" -> "12_50",
// "-7" -> "minus_7", "" -> "empty".
std::string CaseName(std::string_view text);

// Whole numbers of any width: -42 -> "minus_42". A char is text, so it takes the overload
// above as std::string(1, c).
template <typename Number,
          std::enable_if_t<std::is_integral_v<Number> && !std::is_same_v<Number, char> &&
                               !std::is_same_v<Number, bool>,
                           int> = 0>
std::string CaseName(Number number) {
    return CaseName(std::string_view(std::to_string(number)));
}

// The shortest text that reads back as the same double: 12.5 -> "12_5", -0.0 -> "minus_0".
std::string CaseName(double number);
