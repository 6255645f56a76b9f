#pragma once

#include <cmath>

// A register reply can give an article an infinite amount (a huge exponent); neither the
// wire nor a file may carry "inf" or "nan", so such an amount travels as 0.
inline double FiniteOrZero(double value) {
    return std::isfinite(value) ? value : 0.0;
}
