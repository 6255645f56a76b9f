#pragma once

#include <string>

// Where the window keeps the register images: the user's data folder as Qt knows it,
// the same one the command line uses.
std::string WindowImageFolder();
