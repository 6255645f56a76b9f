#include "tests/support/hex_bytes.h"

#include <cstdio>

std::string Hex(const std::string& bytes) {
    std::string out;
    char cell[4];
    for (unsigned char c : bytes) {
        if (!out.empty())
            out += ' ';
        std::snprintf(cell, sizeof cell, "%02X", c);
        out += cell;
    }
    return out;
}
