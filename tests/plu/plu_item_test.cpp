#include <string>

#include <gtest/gtest.h>

#include "plu/talon_plu_item.h"

namespace {
std::string Bytes(const ECRString& text) {
    return std::string(text.Text(), text.GetLength());
}
} // namespace

TEST(TalonPLUItem, FreshRecordIsEmpty) {
    const TalonPLUItem item;
    EXPECT_EQ(Bytes(item.GetDescription()), "");
    EXPECT_EQ(Bytes(item.GetCode()), "");
    EXPECT_DOUBLE_EQ(item.GetPrice(), 0.0);
    EXPECT_EQ(item.GetTaxRate(), 0);
    EXPECT_EQ(item.GetDepartment(), 0);
    EXPECT_EQ(item.GetContainer(), 0);
    EXPECT_FALSE(item.GetPriceFixed());
    EXPECT_DOUBLE_EQ(item.GetQuantitySold(), 0.0);
    EXPECT_DOUBLE_EQ(item.GetTurnover(), 0.0);
    EXPECT_FALSE(item.GetMaxPrice());
    EXPECT_FALSE(item.GetMinPrice());
    EXPECT_EQ(item.GetMeasurement(), 0);
    EXPECT_EQ(item.GetThisID(), 0);
    EXPECT_EQ(item.GetNextID(), 0);
}

TEST(TalonPLUItem, CopiesAreIndependent) {
    TalonPLUItem first;
    first.SetDescription("HLEB");
    first.SetCode("123");
    first.FromECRText("HLEB\n123\n100\t0\xFE"
                      "0\xFE"
                      "0\xFE"
                      "0\xFE"
                      "0\xFE"
                      "0\xFE"
                      "0\xFE"
                      "0\t0\t4\t8\t");
    TalonPLUItem copy = first;
    copy.SetDescription("MLEKO");
    copy.SetCode("9");
    EXPECT_EQ(Bytes(first.GetDescription()), "HLEB");
    EXPECT_EQ(Bytes(first.GetCode()), "123");
    EXPECT_EQ(copy.GetThisID(), 4);
    EXPECT_EQ(copy.GetNextID(), 8);

    TalonPLUItem assigned;
    assigned = first;
    first.SetDescription("X");
    EXPECT_EQ(Bytes(assigned.GetDescription()), "HLEB");
    EXPECT_DOUBLE_EQ(assigned.GetPrice(), 1.0);
}
