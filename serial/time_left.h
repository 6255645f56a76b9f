#pragma once

#include <chrono>
#include <climits>

// What a wait may still take: the milliseconds from now until the deadline, 0 once it has
// passed.
inline int MillisecondsLeft(std::chrono::steady_clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                          deadline - std::chrono::steady_clock::now())
                          .count();
    return left <= 0 ? 0 : left > INT_MAX ? INT_MAX : static_cast<int>(left);
}
