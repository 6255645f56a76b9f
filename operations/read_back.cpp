#include "operations/read_back.h"

#include "articles/article_table.h"
#include "ecr/talon_ecr.h"

bool ReadBack(TalonECR& ecr, int location, TalonPLUItem& read) {
    read = TalonPLUItem();
    ecr.ReadArticle(location, read);
    return read.GetThisID() == location && IsPresent(read);
}
