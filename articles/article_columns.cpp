#include "articles/article_columns.h"

#include "text/utf8_text.h"

namespace {

constexpr char16_t TitleSeparator = u'\t';

std::vector<std::string> SplitHeading() {
    std::vector<std::string> titles;
    const std::u16string heading = SavedFileHeading;
    std::size_t start = 0;
    for (std::size_t end = heading.find(TitleSeparator); end != std::u16string::npos;
         end = heading.find(TitleSeparator, start)) {
        titles.push_back(Utf16ToUtf8(heading.substr(start, end - start)));
        start = end + 1;
    }
    titles.push_back(Utf16ToUtf8(heading.substr(start)));
    return titles;
}

} // namespace

const char16_t SavedFileHeading[] =
    u"Naziv\tBarkod\tCena\tPoreska stopa\tOdeljenje\tAmbalaza\t"
    u"Fiksna cena\tMax cena\tMin cena\tJedinica mere\tKolicina\tPromet";

const std::vector<std::string>& ArticleColumnTitles() {
    static const std::vector<std::string> titles = SplitHeading();
    return titles;
}
