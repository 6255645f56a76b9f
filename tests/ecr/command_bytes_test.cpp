#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "ecr/frame_codec.h"
#include "plu/talon_plu_item.h"
#include "tests/ecr/register_line.h"

namespace {
TalonPLUItem SmallArticle() {
    TalonPLUItem item;
    item.SetDescription("A");
    item.SetCode("5");
    item.SetPrice(2.0);
    return item;
}
} // namespace

struct CommandCase {
    const char* Name;
    std::function<void(TalonECR&)> Run;
    const char* CommandHex;
};

void PrintTo(const CommandCase& c, std::ostream* os) {
    *os << c.Name;
}

class CommandBytesTest : public RegisterLine, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(CommandBytesTest, SendsExactlyTheseBytesInOneFrame) {
    AnswerNextFrame(CodeReply(0));
    GetParam().Run(*Ecr);
    const std::string frame = ReceivedFrame();
    EXPECT_EQ(Hex(CommandOf(frame)), GetParam().CommandHex);
    EXPECT_EQ(Hex(frame), Hex(Bytes(FrameCommand(CommandOf(frame).c_str()))));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CommandBytesTest,
    ::testing::Values(
        CommandCase{"PrintingOn", [](TalonECR& e) { e.SetPrinting(true); }, "23 79 31 FE 31 FE"},
        CommandCase{"PrintingOff", [](TalonECR& e) { e.SetPrinting(false); }, "23 79 31 FE 30 FE"},
        CommandCase{"LogOut", [](TalonECR& e) { e.LogOut(); }, "2A 71"},
        CommandCase{"LogInEmpty", [](TalonECR& e) { e.LogIn(""); }, "2A 69 0A"},
        CommandCase{"LogInPassword", [](TalonECR& e) { e.LogIn("7351"); }, "2A 69 37 33 35 31 0A"},
        CommandCase{"LogInKeepsBlanks", [](TalonECR& e) { e.LogIn(" 1 "); }, "2A 69 20 31 20 0A"},
        CommandCase{"Status", [](TalonECR& e) { e.RequestStatus(); }, "24 73"},
        CommandCase{"Write12", [](TalonECR& e) { e.WriteArticle(SmallArticle(), 12); },
                    "23 72 35 FE 31 FE 31 32 09 "
                    "41 0A 35 0A 32 30 30 09 30 FE 30 FE 30 FE 30 FE 30 FE 30 FE 30 FE "
                    "30 09 30 09"},
        CommandCase{"Read0", [](TalonECR& e) { ReadAny(e, 0); }, "24 62 30 09"},
        CommandCase{"Read250", [](TalonECR& e) { ReadAny(e, 250); }, "24 62 32 35 30 09"},
        CommandCase{"Delete7", [](TalonECR& e) { e.DeleteArticle(7); }, "23 64 35 FE 37 09"},
        CommandCase{"DeleteNegative", [](TalonECR& e) { e.DeleteArticle(-3); },
                    "23 64 35 FE 2D 33 09"}),
    [](const ::testing::TestParamInfo<CommandCase>& info) { return info.param.Name; });
