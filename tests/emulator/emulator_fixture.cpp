#include "tests/emulator/emulator_fixture.h"

std::string WriteCommand(int location, const std::string& name, const std::string& barcode,
                         long long priceHundredths) {
    return WithSep("#r5|1|") + std::to_string(location) + "\t" + name + "\n" + barcode + "\n" +
           std::to_string(priceHundredths) + WithSep("\t2|1|0|1|0|1|0|1500\t9999\t");
}

std::string ReadCommand(int location) {
    return "$b" + std::to_string(location) + "\t";
}

std::string DeleteCommand(int location) {
    return WithSep("#d5|") + std::to_string(location) + "\t";
}

void EmulatorLine::SetUp() {
    Emulator.Start();
    Line = std::make_unique<LineClient>(Emulator.DevicePath());
}
