#include "image/time_text.h"

#include "image/local_time.h"

namespace {
constexpr std::size_t TimeTextSize = sizeof "YYYY-MM-DD HH:MM:SS";
}

std::string TimeText(const std::tm& time) {
    char text[TimeTextSize] = {};
    const std::size_t length = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &time);
    return std::string(text, length);
}

std::string LocalTimeText(std::time_t when) {
    return TimeText(LocalTimeParts(when));
}
