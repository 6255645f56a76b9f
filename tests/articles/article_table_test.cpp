#include <gtest/gtest.h>

#include "article_test_files.h"
#include "articles/article_table.h"

namespace {

TEST(ClearArticles, EveryEntryEmpty) {
    ArticleTable table;
    table[0] = RegisterArticle("A", "1", 5);
    table[2999].SetPrice(3);
    ClearArticles(table);
    for (int i : {0, 2999}) {
        EXPECT_EQ(Fields(table[i]), "||0|0|0|0|0|0|0|0|0|0|0|0") << i;
    }
}

TEST(FindByThisID, EntryAtItsIndex) {
    ArticleTable table;
    table[5] = RegisterArticle("A", "1", 5);
    EXPECT_EQ(FindByThisID(table, 5), 5);
}

TEST(FindByThisID, FirstListedArticleAtIndexZero) {
    ArticleTable table;
    table[0] = RegisterArticle("A", "1", 17);
    table[17] = RegisterArticle("B", "2", 22);
    EXPECT_EQ(FindByThisID(table, 17), 0);
    EXPECT_EQ(FindByThisID(table, 22), 17);
}

TEST(FindByThisID, OutsideTableOrMissing) {
    ArticleTable table;
    table[4] = RegisterArticle("A", "1", 3000);
    table[6] = RegisterArticle("B", "2", 70000);
    EXPECT_EQ(FindByThisID(table, 3000), 4);
    EXPECT_EQ(FindByThisID(table, 70000), 6);
    EXPECT_EQ(FindByThisID(table, 3001), -1);
    EXPECT_EQ(FindByThisID(table, 9), -1);
    EXPECT_EQ(FindByThisID(table, -1), -1);
}

TEST(FindByThisID, EmptyEntryIsNeverARowsEntry) {
    ArticleTable table;
    table[0] = RegisterArticle("A", "1", 5);
    table[7] = RegisterArticle("B", "2", 0); // a register that reports ID 0
    EXPECT_EQ(FindByThisID(table, 0), 7);
    table[7] = TalonPLUItem(); // erased
    EXPECT_EQ(FindByThisID(table, 0), -1);
}

} // namespace
