#pragma once

#include <string>

// The name a till is shown by, from the image name its record is filed under: the name
// of the saved till last found with that fiscal module, else the image name itself.
std::string TillDisplayName(const std::string& imageName);

// The image name of the saved till of that name (UTF-8), from its last connection; empty
// when no such till is saved or it was never reached.
std::string TillImageName(const std::string& typed);
