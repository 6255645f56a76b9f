#include <gtest/gtest.h>

#include "image/image_journal.h"
#include "image/register_image.h"
#include "tests/articles/article_test_files.h"

namespace {

// A user whose profile folder is named in Cyrillic keeps the images there.
TEST(ImageStore, FolderNamedOutsideAscii) {
    TempDir dir;
    const std::string folder = dir.File("Корисник");
    const ImageStore store(folder, "AB123");
    RegisterImage image;
    image.Articles[5] = RegisterArticle("Hleb", "860", 5);
    image.Articles[5].SetPrice(5);
    ASSERT_TRUE(store.Save(image));
    {
        JournalWriter journal; // an operation writing the image marks it in progress
        ASSERT_TRUE(journal.Start(store.MarkPath(), true, JournalKind::Patch, {}));
    }
    EXPECT_EQ(NamesIn(dir.Dir()), std::vector<std::string>{"Корисник"});
    EXPECT_TRUE(store.Exists());
    EXPECT_TRUE(store.InProgress());
    RegisterImage loaded;
    ASSERT_TRUE(store.Load(loaded));
    ASSERT_EQ(loaded.Articles.count(5), 1u);
    EXPECT_TRUE(SameProgramming(loaded.Articles[5], image.Articles[5]));
    EXPECT_TRUE(store.MarkClean());
    EXPECT_FALSE(store.InProgress());
}

// A failed check is kept beside the image until a listing or a full send forgets it.
TEST(ImageStore, AKeptReasonStaysUntilForgotten) {
    TempDir dir;
    const ImageStore store(dir.Dir(), "AB123");
    EXPECT_EQ(store.KeptReason(), "");
    ASSERT_TRUE(store.KeepReason("artikal 4 se razlikuje"));
    EXPECT_EQ(ImageStore(dir.Dir(), "AB123").KeptReason(), "artikal 4 se razlikuje");
    EXPECT_EQ(ImageStore(dir.Dir(), "CD456").KeptReason(), "");
    EXPECT_TRUE(store.ForgetReason());
    EXPECT_EQ(store.KeptReason(), "");
    EXPECT_TRUE(store.ForgetReason()); // nothing to forget is no failure
}

} // namespace
