#include "articles/article_table.h"

void ClearArticles(ArticleTable& table) {
    const TalonPLUItem empty;
    for (TalonPLUItem& item : table) {
        item = empty;
    }
}

int FindByThisID(const ArticleTable& table, int id) {
    // The listing keeps its first answer at index 0, so the index alone is only a hint;
    // an id outside the table never indexes it.
    if (id >= 0 && id < ArticleTableSize && table[id].GetThisID() == id) {
        return id;
    }
    for (int i = 0; i < ArticleTableSize; ++i) {
        if (table[i].GetThisID() == id) {
            return i;
        }
    }
    return -1;
}
