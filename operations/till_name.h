#pragma once

#include <string>

// The name a till is shown by, from the image name its record is filed under. Until tills
// can be given names of their own, that is the image name itself.
std::string TillDisplayName(const std::string& imageName);
