#pragma once

#include <cstdint>

#include "text/c_numbers.h"
#include "text/ecr_string.h"

// Reading one field off the front of a delimited text, as the register's replies and the
// article file lines are read: numbers leniently, flags set only by exactly 1.
inline std::int32_t CutLong(ECRString& rest, char separator) {
    return ReadLong(rest.CutField(separator).Text());
}

inline double CutDouble(ECRString& rest, char separator) {
    return ReadDouble(rest.CutField(separator).Text());
}

// "1", " 1" and "1.0" set a flag; "2", "0", a word or nothing do not.
inline bool CutFlag(ECRString& rest, char separator) {
    constexpr std::int32_t FlagSet = 1;
    return CutLong(rest, separator) == FlagSet;
}
