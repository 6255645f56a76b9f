#include "operations/local_emulator.h"

#include <sstream>

#include "serial/network_address.h"

std::string ServedInLine(const std::string& line) {
    std::istringstream words(line);
    std::string word;
    while (words >> word) {
        if (word.front() == '/' || LooksLikeNetworkAddress(word)) {
            return word;
        }
    }
    return {};
}
