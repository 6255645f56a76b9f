#include "operations/local_time.h"

#include "operations/time_text.h"

std::string LocalTimeText(std::time_t when) {
    std::tm local{};
    localtime_s(&local, &when);
    return TimeText(local);
}
