#include <gtest/gtest.h>

#include "tests/plu/plu_test_text.h"

TEST(TalonPLUItem, FreshRecordIsEmpty) {
    EXPECT_EQ(Fields(TalonPLUItem()), "||0|0|0|0|0|0|0|0|0|0|0|0");
}

TEST(TalonPLUItem, CopiesAreIndependent) {
    TalonPLUItem first;
    first.FromECRText(WithSep("HLEB\n123\n100\t0|0|0|0|0|0|0|0\t0\t4\t8\t").c_str());
    TalonPLUItem copy = first;
    copy.SetDescription("MLEKO");
    copy.SetCode("9");
    EXPECT_EQ(Fields(first), "HLEB|123|1|0|0|0|0|0|0|0|0|0|4|8");
    EXPECT_EQ(Fields(copy), "MLEKO|9|1|0|0|0|0|0|0|0|0|0|4|8");

    TalonPLUItem assigned;
    assigned = first;
    first.SetDescription("X");
    EXPECT_EQ(Fields(assigned), "HLEB|123|1|0|0|0|0|0|0|0|0|0|4|8");
}
