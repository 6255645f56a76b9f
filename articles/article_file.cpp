#include "articles/article_file.h"

#include <cstdio>
#include <memory>

#include "articles/replace_file.h"
#include "articles/utf16_lines.h"
#include "text/code_page.h"

namespace {

constexpr char Tab = '\t';
constexpr char16_t HeadingLine[] =
    u"Naziv\tBarkod\tCena\tPoreska stopa\tOdeljenje\tAmbalaza\t"
    u"Fiksna cena\tMax cena\tMin cena\tJedinica mere\tKolicina\tPromet";

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// The check a line must pass to be taken as an article.
bool IsArticle(const TalonPLUItem& item) {
    return item.Name().GetLength() > 0 && item.Barcode().GetLength() > 0 && item.GetPrice() > 0.0;
}

void ReadLine(const std::u16string& piece, TalonPLUItem& item) {
    item.FromFileText(ECRString(Utf16ToCp1251(piece).c_str()), Tab);
}

} // namespace

LoadOutcome LoadArticles(const std::string& path, ArticleTable& table) {
    ClearArticles(table);
    LoadOutcome outcome;
    const FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return outcome;
    }
    Utf16LineReader reader(file.get(), MaxLineUnits);
    std::u16string piece;
    reader.Next(piece); // the first line is headings, or whatever it is: never an article
    int n = FirstLoadedLocation;
    while (n < ArticleTableSize && reader.Next(piece)) {
        ReadLine(piece, table[n]);
        if (IsArticle(table[n])) {
            ++n;
        } else {
            table[n] = TalonPLUItem();
        }
    }
    // The table is full: count what would have been taken, but read no further than a
    // bounded number of lines so that a huge file cannot stall the program.
    int looked = 0;
    while (n == ArticleTableSize && reader.Next(piece)) {
        if (looked++ == MaxLinesCounted) {
            outcome.CountStopped = true;
            break;
        }
        TalonPLUItem item;
        ReadLine(piece, item);
        outcome.LinesNotTaken += IsArticle(item) ? 1 : 0;
    }
    if (reader.Failed()) {
        ClearArticles(table);
        return LoadOutcome();
    }
    outcome.Opened = true;
    outcome.Taken = n - FirstLoadedLocation;
    return outcome;
}

std::vector<std::u16string> ArticleFileLines(const ArticleTable& table) {
    std::vector<std::u16string> lines{HeadingLine};
    for (const TalonPLUItem& item : table) {
        if (item.GetThisID() > 0) {
            lines.push_back(Cp1251ToUtf16(item.ToFileText(Tab).Text()));
        }
    }
    return lines;
}

bool SaveArticles(const std::string& path, const ArticleTable& table) {
    std::string content;
    for (const std::u16string& line : ArticleFileLines(table)) {
        AppendUtf16Line(content, line);
    }
    return ReplaceFileContent(path, content);
}
