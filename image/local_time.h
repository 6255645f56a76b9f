#pragma once

#include <ctime>
#include <string>

// The moment in the computer's local time as "YYYY-MM-DD HH:MM:SS".
std::string LocalTimeText(std::time_t when);
