// A write whose reply was not whole: the command line stops with the link error and the
// register's image never claims the article.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "emulator/talon_emulator.h"
#include "image/register_image.h"
#include "tests/cli/cli_files.h"
#include "tests/cli/cli_process.h"

namespace {

constexpr int LinkFailedStatus = 4;
constexpr int SpoiltLocation = 4;
const char* const LinkFailed = "Greska u komunikaciji: ";
const char* const ImageFolder = "/talonsendplu/registers";
const char* const ImageName = "TE000001";

struct SpoiltReply {
    const char* Name;
    const char* Bytes;
};

void PrintTo(const SpoiltReply& c, std::ostream* os) {
    *os << c.Name;
}

class CliSpoiltReply : public ::testing::TestWithParam<SpoiltReply> {
protected:
    void SetUp() override { Register.Start(); }
    CliResult Run(const std::vector<std::string>& args) {
        std::vector<std::string> all = args;
        all.insert(all.end(), {"--port", Register.DevicePath()});
        return RunCli(all, {"XDG_DATA_HOME=" + Data.Dir()});
    }
    RegisterImage Image() {
        RegisterImage image;
        EXPECT_TRUE(ImageStore(Data.Dir() + ImageFolder, ImageName).Load(image));
        return image;
    }
    static long Hundredths(const TalonPLUItem& item) { return std::lround(item.GetPrice() * 100); }

    TalonEmulator Register;
    TempDir Data;
    TempDir Files;
};

TEST_P(CliSpoiltReply, SendStopsAndTheImageHasNoArticleThere) {
    Register.GarbageForWrites(SpoiltLocation, GetParam().Bytes);
    const CliResult result = Run({"send", WriteArticleFile(Files, {100, 200, 300, 400})});
    EXPECT_EQ(result.Status, LinkFailedStatus) << result.Err;
    EXPECT_NE(result.Err.find(LinkFailed), std::string::npos) << result.Err;
    const RegisterImage image = Image();
    EXPECT_EQ(image.Articles.count(2), 1u);
    EXPECT_EQ(image.Articles.count(3), 1u);
    EXPECT_EQ(image.Articles.count(SpoiltLocation), 0u);
}

TEST_P(CliSpoiltReply, SyncStopsAndTheImageKeepsTheOldPrice) {
    ASSERT_EQ(Run({"send", WriteArticleFile(Files, {100, 200, 300, 400})}).Status, 0);
    Register.GarbageForWrites(SpoiltLocation, GetParam().Bytes);
    const CliResult result = Run({"sync", WriteArticleFile(Files, {111, 222, 333, 444})});
    EXPECT_EQ(result.Status, LinkFailedStatus) << result.Err;
    EXPECT_NE(result.Err.find(LinkFailed), std::string::npos) << result.Err;
    // The register took the new price, but its reply did not say so: the image must not
    // claim it.
    RegisterImage image = Image();
    EXPECT_EQ(Hundredths(image.Articles[2]), 111);
    EXPECT_EQ(Hundredths(image.Articles[3]), 222);
    EXPECT_NE(Hundredths(image.Articles[SpoiltLocation]), 333);
}

INSTANTIATE_TEST_SUITE_P(Replies, CliSpoiltReply,
                         ::testing::Values(SpoiltReply{"NoiseEndingInBackslash", "\x01GARBAGE\\"},
                                           SpoiltReply{"FrameWithoutDigits", "\x1BP#rRCOK00\x1B\\"},
                                           SpoiltReply{"CutFrame", "\x1BP#rRC"}),
                         [](const ::testing::TestParamInfo<SpoiltReply>& info) {
                             return std::string(info.param.Name);
                         });

} // namespace
