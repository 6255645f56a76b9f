#pragma once

#include <string>

// "1B 50 24 73" for the bytes 0x1B 0x50 0x24 0x73.
std::string Hex(const std::string& bytes);
