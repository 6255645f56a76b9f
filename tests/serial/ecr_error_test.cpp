#include "serial/ecr_error.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct MessageCase {
    int Code;
    const char* Text;
};
class ErrorMessageTable : public ::testing::TestWithParam<MessageCase> {};
TEST_P(ErrorMessageTable, TextOfCode) {
    const MessageCase& c = GetParam();
    EXPECT_STREQ(ErrorMessages[c.Code].Text(), c.Text);
    EXPECT_STREQ(ECRError(c.Code).what(), c.Text);
}
INSTANTIATE_TEST_SUITE_P(
    AllCodes, ErrorMessageTable,
    ::testing::Values(
        MessageCase{0, "OK"}, MessageCase{1, "Error opening port"},
        MessageCase{2, "Error reading port settings"},
        MessageCase{3, "Error aplying port settings"}, MessageCase{4, "Error reading port timeout"},
        MessageCase{5, "Error aplying port timeout"}, MessageCase{6, "Error reading port mask"},
        MessageCase{7, "Error aplying port mask"}, MessageCase{8, "Error writing to port"},
        MessageCase{9, "Error reading from port"}, MessageCase{10, "Timeout error"},
        MessageCase{11, "Invalid parameter for ECR"},
        MessageCase{12, "Name is not globally unique"}, MessageCase{13, "Invalid system parameter"},
        MessageCase{14, "Could not create thread"}, MessageCase{15, "Invalid reply from ECR"}),
    [](const ::testing::TestParamInfo<MessageCase>& info) {
        return "Code" + std::to_string(info.param.Code);
    });

TEST(ECRErrorValue, CodeOutsideTheTable) {
    EXPECT_STREQ(ECRError(-1).what(), "???");
    EXPECT_STREQ(ECRError(ErrorMessageCount).what(), "???");
}

TEST(ECRErrorValue, ThrownByValueKeepsItsCode) {
    try {
        throw ECRError(ErrorWritingPort);
    } catch (const std::exception& e) {
        const auto* link = dynamic_cast<const ECRError*>(&e);
        ASSERT_NE(link, nullptr);
        EXPECT_EQ(link->ErrorCode, 8);
        EXPECT_EQ(std::string(e.what()), "Error writing to port");
    }
}

} // namespace
