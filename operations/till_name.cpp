#include "operations/till_name.h"

std::string TillDisplayName(const std::string& imageName) {
    return imageName;
}
