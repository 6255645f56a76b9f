#include "articles/arrange.h"

#include <algorithm>
#include <cmath>

#include "text/c_numbers.h"

namespace {

// "КОРВАЛ ТАЛОН СР" in Windows-1251.
constexpr char SmallLimitVersion[] = "\xCA\xCE\xD0\xC2\xC0\xCB \xD2\xC0\xCB\xCE\xCD \xD1\xD0";
constexpr double LowestPlaced = 1.0; // a barcode value must be above this to be placed

double BarcodeValue(const TalonPLUItem& item) {
    return ReadDouble(item.Barcode().Text());
}

bool IsWhole(double v) {
    return std::isfinite(v) && std::trunc(v) == v;
}

} // namespace

int LocationLimitFor(const ECRString& version) {
    return version != SmallLimitVersion ? LocationLimit : SmallLocationLimit;
}

void ExchangeArticles(ArticleTable& table, int a, int b) {
    const TalonPLUItem held = table[a];
    table[a] = table[b];
    table[b] = held;
}

void ArrangeByBarcode(ArticleTable& table, int limit) {
    const double bound = std::min(limit, ArticleTableSize);
    int i = 0;
    while (i < ArticleTableSize) {
        const double v = BarcodeValue(table[i]);
        if (v < bound && v != i && v > LowestPlaced && IsWhole(v)) {
            const int t = static_cast<int>(v);
            if (v != BarcodeValue(table[t])) {
                ExchangeArticles(table, i, t);
                continue; // entry i now holds what stood at t: examine it in turn
            }
        }
        ++i;
    }
}
