#pragma once

#include <ctime>
#include <string>

// A broken-down time as "YYYY-MM-DD HH:MM:SS".
std::string TimeText(const std::tm& time);
