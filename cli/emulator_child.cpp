#include <cstdio>

#include "cli/emulator_child.h"

namespace {
const char* const FiscalModuleOption = "--ibfm";
const char* const FiscalModuleFormat = "TE%06d"; // as the emulator's default, TE000001
} // namespace

std::vector<std::string> OwnFiscalModule(int number) {
    char id[16];
    std::snprintf(id, sizeof id, FiscalModuleFormat, number);
    return {FiscalModuleOption, id};
}
