#include "image/local_time.h"

std::tm LocalTimeParts(std::time_t when) {
    std::tm local{};
    localtime_s(&local, &when);
    return local;
}
