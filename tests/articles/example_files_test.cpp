// The example workbook holds the example text file's articles, so that either one shows a
// shop the same price list.
#include <gtest/gtest.h>

#include <memory>

#include "articles/article_file.h"
#include "articles/article_table.h"

TEST(ExampleFiles, WorkbookHoldsTheTextFilesArticles) {
    auto text = std::make_unique<ArticleTable>();
    auto book = std::make_unique<ArticleTable>();
    const LoadOutcome fromText = LoadArticles(TALON_EXAMPLES_DIR "/artikli-primer.txt", *text);
    const LoadOutcome fromBook = LoadArticles(TALON_EXAMPLES_DIR "/artikli-primer.xlsx", *book);
    ASSERT_GT(fromText.Taken, 0);
    EXPECT_EQ(fromBook.Taken, fromText.Taken);
    EXPECT_TRUE(fromBook.Notes.empty());
    for (int location = 0; location < ArticleTableSize; ++location) {
        EXPECT_EQ(std::string((*book)[location].ToFileText('\t').Text()),
                  std::string((*text)[location].ToFileText('\t').Text()))
            << "location " << location;
    }
}
