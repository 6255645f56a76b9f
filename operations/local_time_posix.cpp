#include "operations/local_time.h"

#include "operations/time_text.h"

std::string LocalTimeText(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    return TimeText(local);
}
