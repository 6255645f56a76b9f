#pragma once

#include <cstdio>
#include <string>

#include "plu/talon_plu_item.h"

// Bytes of a text, for comparisons that show the whole text on failure.
inline std::string Bytes(const ECRString& text) {
    return std::string(text.Text(), text.GetLength());
}

// A wire text written with '|' where the register's SEP byte (0xFE) stands, so that the
// texts stay readable ("0|1" rather than "0\xFE" "1").
inline std::string WithSep(std::string text) {
    for (char& c : text) {
        if (c == '|') {
            c = '\xFE';
        }
    }
    return text;
}

// Every field of a record on one line, "|" between them, so that one comparison checks
// all of them: name, barcode, price, tax, department, container, fixed, max, min,
// measurement, quantity, turnover and, when asked, ThisID and NextID.
inline std::string Fields(const TalonPLUItem& item, bool withIds = true) {
    char numbers[256];
    std::snprintf(numbers, sizeof numbers, "%.15g|%d|%d|%d|%d|%d|%d|%d|%.15g|%.15g",
                  item.GetPrice(), item.GetTaxRate(), item.GetDepartment(), item.GetContainer(),
                  item.GetPriceFixed(), item.GetMaxPrice(), item.GetMinPrice(),
                  item.GetMeasurement(), item.GetQuantitySold(), item.GetTurnover());
    std::string line = Bytes(item.GetDescription()) + "|" + Bytes(item.GetCode()) + "|" + numbers;
    if (withIds) {
        line += "|" + std::to_string(item.GetThisID()) + "|" + std::to_string(item.GetNextID());
    }
    return line;
}
