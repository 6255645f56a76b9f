#include "articles/article_file.h"

#include <cstdio>
#include <memory>

#include "articles/file_encoding.h"
#include "articles/file_fields.h"
#include "articles/replace_file.h"
#include "articles/utf16_lines.h"
#include "text/code_page.h"
#include "text/file_path.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// The piece in Windows-1251 without its line end.
ECRString LineText(std::u16string piece) {
    while (!piece.empty() && (piece.back() == u'\n' || piece.back() == u'\r')) {
        piece.pop_back();
    }
    return ECRString(Utf16ToCp1251(piece).c_str());
}

// Reads the line into item; true when it is an article to take.
bool ReadLine(const ECRString& line, char separator, TalonPLUItem& item, LineReading& reading) {
    reading = ReadArticleLine(line, separator, item);
    return reading.Fault == LineFault::None && IsArticle(item);
}

void Note(LoadOutcome& outcome, int line, const LineReading& reading) {
    if (static_cast<int>(outcome.Notes.size()) < MaxRowNotes) {
        outcome.Notes.push_back(RowNote{line, reading});
    } else {
        ++outcome.NotesLeftOut;
    }
}

// The heading fixes the separator; it is skipped even when it reads as an article.
char ReadHeading(Utf16LineReader& reader, LoadOutcome& outcome) {
    std::u16string piece;
    if (!reader.Next(piece)) {
        return TabSeparator;
    }
    const ECRString line = LineText(piece);
    const char separator = SeparatorFor(line);
    TalonPLUItem item;
    LineReading reading;
    if (ReadLine(line, separator, item, reading)) {
        outcome.HeadingIsArticle = true;
        outcome.HeadingName = item.Name();
    }
    return separator;
}

// Takes lines into the table from location 2 until it is full; the next free location.
int TakeLines(Utf16LineReader& reader, char separator, ArticleTable& table, LoadOutcome& outcome) {
    std::u16string piece;
    LineReading reading;
    int n = FirstLoadedLocation;
    while (n < ArticleTableSize && reader.Next(piece)) {
        if (ReadLine(LineText(piece), separator, table[n], reading)) {
            ++n;
            continue;
        }
        table[n] = TalonPLUItem();
        if (reading.Fault != LineFault::None) {
            Note(outcome, reader.Line(), reading);
        }
    }
    return n;
}

// The table is full: count what would have been taken, but read no further than a
// bounded number of lines so that a huge file cannot stall the program.
void CountLeftOver(Utf16LineReader& reader, char separator, LoadOutcome& outcome) {
    std::u16string piece;
    LineReading reading;
    TalonPLUItem item;
    int looked = 0;
    while (reader.Next(piece)) {
        if (looked++ == MaxLinesCounted) {
            outcome.CountStopped = true;
            break;
        }
        outcome.LinesNotTaken += ReadLine(LineText(piece), separator, item, reading) ? 1 : 0;
    }
}

} // namespace

const char16_t SavedFileHeading[] =
    u"Naziv\tBarkod\tCena\tPoreska stopa\tOdeljenje\tAmbalaza\t"
    u"Fiksna cena\tMax cena\tMin cena\tJedinica mere\tKolicina\tPromet";

LoadOutcome LoadArticles(const std::string& path, ArticleTable& table) {
    ClearArticles(table);
    LoadOutcome outcome;
    const FileHandle file(OpenFile(path, "rb"));
    if (!file) {
        return outcome;
    }
    const DetectedEncoding encoding = DetectEncoding(file.get());
    if (encoding.Failed) {
        return outcome;
    }
    Utf16LineReader reader(file.get(), MaxLineUnits, encoding.Encoding);
    const char separator = ReadHeading(reader, outcome);
    const int n = TakeLines(reader, separator, table, outcome);
    if (n == ArticleTableSize) {
        CountLeftOver(reader, separator, outcome);
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
    std::vector<std::u16string> lines{SavedFileHeading};
    for (const TalonPLUItem& item : table) {
        if (item.GetThisID() > 0) {
            lines.push_back(Cp1251ToUtf16(item.ToFileText(TabSeparator).Text()));
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
