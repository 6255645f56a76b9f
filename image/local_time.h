#pragma once

#include <ctime>
#include <string>

// The moment in the computer's local time, taken apart; safe on any thread.
std::tm LocalTimeParts(std::time_t when);
// The same as "YYYY-MM-DD HH:MM:SS".
std::string LocalTimeText(std::time_t when);
