#include "image/local_time.h"

#include "image/time_text.h"

std::string LocalTimeText(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    return TimeText(local);
}
