#include "cli/emulator_child.h"

#include <cstdio>
#include <stdexcept>

#include "operations/local_emulator.h"

namespace {
const char* const FiscalModuleOption = "--ibfm";
const char* const FiscalModuleFormat = "TE%06d"; // as the emulator's default, TE000001
// Starting and printing the device path takes a moment; a program that says nothing for
// this long is taken as broken rather than waited for.
constexpr int StartTimeoutMs = 5000;
} // namespace

std::vector<std::string> OwnFiscalModule(int number) {
    char id[16];
    std::snprintf(id, sizeof id, FiscalModuleFormat, number);
    return {FiscalModuleOption, id};
}

void EmulatorChild::ReadDevice(const std::string& binary) {
    Device = ServedInLine(ReadLine(StartTimeoutMs));
    if (Device.empty()) {
        throw std::runtime_error(binary + " nije javio svoj uredjaj");
    }
}
