#include "articles/article_file.h"

#include "articles/article_taker.h"
#include "articles/file_fields.h"
#include "articles/sheet_fields.h"
#include "files/file_encoding.h"
#include "files/file_handle.h"
#include "files/replace_file.h"
#include "files/utf16_lines.h"
#include "sheets/sheet_file.h"
#include "text/code_page.h"
#include "text/file_path.h"

namespace {

// The piece in Windows-1251 without its line end.
ECRString LineText(std::u16string piece) {
    while (!piece.empty() && (piece.back() == u'\n' || piece.back() == u'\r')) {
        piece.pop_back();
    }
    return ECRString(Utf16ToCp1251(piece).c_str());
}

// The heading fixes the separator.
char ReadHeading(Utf16LineReader& reader, ArticleTaker& taker) {
    std::u16string piece;
    if (!reader.Next(piece)) {
        return TabSeparator;
    }
    const ECRString line = LineText(piece);
    const char separator = SeparatorFor(line);
    taker.Heading(SplitFields(line, separator));
    return separator;
}

LoadOutcome LoadTextArticles(std::FILE* file, ArticleTable& table) {
    LoadOutcome outcome;
    const DetectedEncoding encoding = DetectEncoding(file);
    if (encoding.Failed) {
        return outcome;
    }
    Utf16LineReader reader(file, MaxLineUnits, encoding.Encoding);
    ArticleTaker taker(table, outcome);
    const char separator = ReadHeading(reader, taker);
    std::u16string piece;
    while (reader.Next(piece) &&
           taker.Line(reader.Line(), SplitFields(LineText(piece), separator))) {
    }
    if (reader.Failed()) {
        ClearArticles(table);
        return LoadOutcome();
    }
    taker.Finish();
    outcome.Opened = true;
    return outcome;
}

// Row 1 is the heading; every later row is a line numbered as the sheet numbers it.
LoadOutcome LoadSheetArticles(const std::string& path, FileStart start, ArticleTable& table) {
    LoadOutcome outcome;
    ArticleTaker taker(table, outcome);
    const SheetFault fault =
        ReadSheetFile(path, start, [&taker](const SheetRow& row, std::int64_t repeats) {
            const LineFields fields = SheetLineFields(row);
            auto first = static_cast<int>(row.Number); // within MaxSheetRows
            auto count = static_cast<int>(repeats);
            if (first == 1) {
                taker.Heading(fields);
                ++first;
                --count;
            }
            return taker.Lines(first, count, fields);
        });
    if (fault != SheetFault::None) {
        ClearArticles(table);
        LoadOutcome unread;
        unread.Unreadable = fault;
        return unread;
    }
    taker.Finish();
    outcome.Opened = true;
    return outcome;
}

} // namespace

LoadOutcome LoadArticles(const std::string& path, ArticleTable& table) {
    ClearArticles(table);
    FileHandle file(OpenFile(path, "rb"));
    if (!file) {
        return LoadOutcome();
    }
    const FileStart start = StartOf(file.get());
    if (start == FileStart::Text) {
        return LoadTextArticles(file.get(), table);
    }
    file.reset();
    return LoadSheetArticles(path, start, table);
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
