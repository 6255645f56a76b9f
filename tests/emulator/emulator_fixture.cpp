#include "tests/emulator/emulator_fixture.h"

std::string WriteCommand(int location, const std::string& name, const std::string& barcode,
                         long long priceHundredths) {
    return std::string("#r5") + Sep + "1" + Sep + std::to_string(location) + "\t" + name + "\n" +
           barcode + "\n" + std::to_string(priceHundredths) + "\t2" + Sep + "1" + Sep + "0" + Sep +
           "1" + Sep + "0" + Sep + "1" + Sep + "0" + Sep + "1500\t9999\t";
}

std::string ReadCommand(int location) {
    return "$b" + std::to_string(location) + "\t";
}

std::string DeleteCommand(int location) {
    return std::string("#d5") + Sep + std::to_string(location) + "\t";
}

void EmulatorLine::SetUp() {
    Emulator.Start();
    Line = std::make_unique<LineClient>(Emulator.DevicePath());
}
