// The register image keeps every name exactly, quotes included.
#include <gtest/gtest.h>

#include <string>

#include "image/register_image.h"
#include "tests/articles/article_test_files.h"
#include "tests/articles/quoted_names.h"

namespace {

constexpr int Location = 12;
constexpr int NextLocation = 13;

class ImageNameLoadsBack : public ::testing::TestWithParam<NameCase> {};

TEST_P(ImageNameLoadsBack, ExactlyAsItWas) {
    TempDir dir;
    const ImageStore store(dir.Dir(), "AB123");
    RegisterImage image;
    image.Articles[Location] = RegisterArticle(GetParam().Name, "860", Location);
    image.Articles[Location].SetPrice(5);
    image.Articles[NextLocation] = RegisterArticle("Posle", "861", NextLocation);
    ASSERT_TRUE(store.Save(image));
    RegisterImage loaded;
    ASSERT_TRUE(store.Load(loaded));
    ASSERT_EQ(loaded.Articles.size(), 2u);
    EXPECT_STREQ(loaded.Articles[Location].GetDescription().Text(), GetParam().Name);
    EXPECT_STREQ(loaded.Articles[Location].GetCode().Text(), "860");
    EXPECT_TRUE(SameProgramming(loaded.Articles[Location], image.Articles[Location]));
    EXPECT_STREQ(loaded.Articles[NextLocation].GetDescription().Text(), "Posle");
}

INSTANTIATE_TEST_SUITE_P(Names, ImageNameLoadsBack, ::testing::ValuesIn(QuotedNames),
                         [](const ::testing::TestParamInfo<NameCase>& info) {
                             return std::string(info.param.Title);
                         });

} // namespace
