#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "emulator/talon_emulator.h"
#include "tests/emulator/line_client.h"
#include "tests/plu/plu_test_text.h"

constexpr char DefaultPassword[] = "7351";

// "#r5" SEP "1" SEP location TAB and a programming text with the given name, barcode
// and price in hundredths (tax 2, department 1, flags PriceFixed=1 MinPrice=0 MaxPrice=1).
std::string WriteCommand(int location, const std::string& name, const std::string& barcode,
                         long long priceHundredths);
std::string ReadCommand(int location);   // "$b" location TAB
std::string DeleteCommand(int location); // "#d5" SEP location TAB

// An emulator serving its device, with the program's end of the line open on it.
class EmulatorLine : public ::testing::Test {
protected:
    explicit EmulatorLine(EmulatorOptions options = {}) : Emulator(options) {}
    void SetUp() override;
    int CodeOf(const std::string& command) { return ReplyCodeOf(Line->Exchange(command)); }
    void LogIn() { ASSERT_EQ(CodeOf(std::string("*i") + DefaultPassword + "\n"), 0); }

    TalonEmulator Emulator;
    std::unique_ptr<LineClient> Line;
};
