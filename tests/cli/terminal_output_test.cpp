#include <gtest/gtest.h>

#include "cli/terminal_output.h"

TEST(ProgressBar, ShowsDoneRateAndTimeLeft) {
    EXPECT_EQ(TerminalOutput::BarText(150, 300, 3.0),
              "[###############---------------] 150/300  50.0 art/s  preostalo 0:03");
    EXPECT_EQ(TerminalOutput::BarText(0, 300, 0.0),
              "[------------------------------] 0/300  0.0 art/s");
    EXPECT_EQ(TerminalOutput::BarText(10, 3000, 1.0).substr(32),
              " 10/3000  10.0 art/s  preostalo 4:59");
}
