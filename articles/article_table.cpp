#include "articles/article_table.h"

void ClearArticles(ArticleTable& table) {
    const TalonPLUItem empty;
    for (TalonPLUItem& item : table) {
        item = empty;
    }
}

namespace {
// A row only ever shows a present entry; an empty one (ThisID 0) is never a row's entry,
// even for a register that reports an article under ID 0.
bool Holds(const TalonPLUItem& item, int id) {
    return item.GetThisID() == id && IsPresent(item);
}
} // namespace

int FindByThisID(const ArticleTable& table, int id) {
    // The listing keeps its first answer at index 0, so the index alone is only a hint;
    // an id outside the table never indexes it.
    if (id >= 0 && id < ArticleTableSize && Holds(table[id], id)) {
        return id;
    }
    for (int i = 0; i < ArticleTableSize; ++i) {
        if (Holds(table[i], id)) {
            return i;
        }
    }
    return -1;
}
