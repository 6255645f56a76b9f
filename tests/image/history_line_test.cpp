// The lines of the record of changes.
#include <algorithm>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "image/history_line.h"

namespace {

const char* const At = "2026-12-09 10:15:00";
constexpr int Location = 7;

TalonPLUItem Item(const std::string& name, const std::string& barcode, double price,
                  int taxRate = 2) {
    TalonPLUItem item;
    item.SetDescription(name.c_str());
    item.SetCode(barcode.c_str());
    item.SetPrice(price);
    item.SetTaxRate(taxRate);
    item.SetDepartment(1);
    return item;
}

struct LineCase {
    const char* Name;
    HistoryOperation Operation;
    bool OldKnown;
    std::optional<TalonPLUItem> Old;
    std::optional<TalonPLUItem> New;
    const char* Expected; // after the time; "" for no line
};

class HistoryLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(HistoryLines, TellWhatChanged) {
    const LineCase& c = GetParam();
    HistoryChange change;
    change.Time = At;
    change.Operation = c.Operation;
    change.Location = Location;
    change.OldKnown = c.OldKnown;
    change.Old = c.Old;
    change.New = c.New;
    const std::string expected = *c.Expected == '\0' ? "" : std::string(At) + "\t" + c.Expected;
    EXPECT_EQ(HistoryLine(change), expected);
}

const TalonPLUItem Milk = Item("Mleko", "8600001", 120.0);

INSTANTIATE_TEST_SUITE_P(
    Changes, HistoryLines,
    ::testing::Values(
        LineCase{"NewPrice", HistoryOperation::Sync, true, Milk, Item("Mleko", "8600001", 135.5),
                 "izmene\t7\t8600001\tMleko\t120.00\t135.50\t"},
        LineCase{"OtherFieldsToo", HistoryOperation::Edit, true, Milk,
                 Item("Mleko 1l", "8600002", 120.0, 4),
                 "izmena\t7\t8600002\tMleko 1l\t120.00\t120.00\t"
                 "Naziv: Mleko -> Mleko 1l; Barkod: 8600001 -> 8600002; Poreska stopa: 2 -> 4"},
        LineCase{"Erase", HistoryOperation::Erase, true, Milk, std::nullopt,
                 "obrisi\t7\t8600001\tMleko\t120.00\t\t"},
        LineCase{"WriteToEmptyLocation", HistoryOperation::Send, true, std::nullopt, Milk,
                 "posalji\t7\t8600001\tMleko\t\t120.00\t"},
        LineCase{"SameAsTheImage", HistoryOperation::Send, true, Milk, Milk, ""},
        LineCase{"CountersAreNotProgrammed", HistoryOperation::Sync, true, Milk,
                 [] {
                     TalonPLUItem sold = Milk;
                     sold.SetTurnover(4800.0);
                     sold.SetQuantitySold(40.0);
                     return sold;
                 }(),
                 ""},
        LineCase{"BelowAHundredthIsNoChange", HistoryOperation::Sync, true, Milk,
                 Item("Mleko", "8600001", 120.001), ""},
        LineCase{"NameBeyondWhatTheRegisterKeeps", HistoryOperation::Sync, true,
                 Item("Jogurt cokolada 500g", "1", 99.0), Item("Jogurt cokolada 1kg", "1", 99.0),
                 ""},
        LineCase{"EmptyLocationErased", HistoryOperation::Erase, true, std::nullopt, std::nullopt,
                 ""},
        LineCase{"UnknownBefore", HistoryOperation::Send, false, std::nullopt, Milk,
                 "posalji\t7\t8600001\tMleko\t?\t120.00\t"},
        LineCase{"UnknownBeforeNotTakenForTheSame", HistoryOperation::Send, false, Milk, Milk,
                 "posalji\t7\t8600001\tMleko\t?\t120.00\t"},
        LineCase{"UnknownErased", HistoryOperation::Erase, false, std::nullopt, std::nullopt,
                 "obrisi\t7\t\t\t?\t\t"},
        LineCase{"TabAndLineEndInAName", HistoryOperation::Sync, true, std::nullopt,
                 Item("Sok\tjabuka\r\nx", "12\t3", 80.0),
                 "izmene\t7\t12 3\tSok jabuka  x\t\t80.00\t"},
        LineCase{"CyrillicName", HistoryOperation::Sync, true, std::nullopt,
                 Item("\xCC\xEB\xE5\xEA\xEE", "860", 1.0), // "Млеко" in Windows-1251
                 "izmene\t7\t860\t\xD0\x9C\xD0\xBB\xD0\xB5\xD0\xBA\xD0\xBE\t\t1.00\t"},
        LineCase{"FlagsAndUnits", HistoryOperation::Sync, true, Milk,
                 [] {
                     TalonPLUItem item = Milk;
                     item.SetPriceFixed(true);
                     item.SetMinPrice(true);
                     item.SetMeasurement(3);
                     item.SetContainer(9);
                     return item;
                 }(),
                 "izmene\t7\t8600001\tMleko\t120.00\t120.00\tAmbalaza: 0 -> 9; "
                 "Fiksna cena: 0 -> 1; Min cena: 0 -> 1; Jedinica mere: 0 -> 3"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(HistoryLine, HasAsManyColumnsAsTheHeading) {
    HistoryChange change;
    change.Time = At;
    change.New = Item("A\tB\tC", "1", 1.0);
    const std::string line = HistoryLine(change);
    const std::string heading = HistoryHeading;
    EXPECT_EQ(std::count(line.begin(), line.end(), '\t'),
              std::count(heading.begin(), heading.end(), '\t'));
    EXPECT_EQ(line.find('\n'), std::string::npos);
}

} // namespace
