#include "cli/emulator_child.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>

#include "serial/network_address.h"

namespace {
const char* const FiscalModuleOption = "--ibfm";
const char* const FiscalModuleFormat = "TE%06d"; // as the emulator's default, TE000001
// Starting and printing the device path takes a moment; a program that says nothing for
// this long is taken as broken rather than waited for.
constexpr int StartTimeoutMs = 5000;

// The device is the first word of the line that is a path ("/dev/pts/7"), or the address
// of an emulator serving TCP ("tcp://127.0.0.1:4001").
std::string DeviceInLine(const std::string& line) {
    std::istringstream words(line);
    std::string word;
    while (words >> word) {
        if (word.front() == '/' || LooksLikeNetworkAddress(word)) {
            return word;
        }
    }
    return {};
}
} // namespace

std::vector<std::string> OwnFiscalModule(int number) {
    char id[16];
    std::snprintf(id, sizeof id, FiscalModuleFormat, number);
    return {FiscalModuleOption, id};
}

void EmulatorChild::ReadDevice(const std::string& binary) {
    Device = DeviceInLine(ReadLine(StartTimeoutMs));
    if (Device.empty()) {
        throw std::runtime_error(binary + " nije javio svoj uredjaj");
    }
}
