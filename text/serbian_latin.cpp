#include "text/serbian_latin.h"

namespace {

struct PlainLetter {
    char16_t Letter;
    const char* Plain;
};

constexpr PlainLetter Letters[] = {
    {u'Č', "C"},  {u'č', "c"},  {u'Ć', "C"},  {u'ć', "c"},  {u'Đ', "D"},
    {u'đ', "d"},  {u'Š', "S"},  {u'š', "s"},  {u'Ž', "Z"},  {u'ž', "z"},
    {u'Ǆ', "DZ"}, {u'ǅ', "Dz"}, {u'ǆ', "dz"}, {u'Ǉ', "LJ"}, {u'ǈ', "Lj"},
    {u'ǉ', "lj"}, {u'Ǌ', "NJ"}, {u'ǋ', "Nj"}, {u'ǌ', "nj"},
};

} // namespace

const char* SerbianLatinPlain(char16_t letter) {
    for (const PlainLetter& entry : Letters) {
        if (entry.Letter == letter) {
            return entry.Plain;
        }
    }
    return nullptr;
}
