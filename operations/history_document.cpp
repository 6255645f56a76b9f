#include "operations/history_document.h"

#include <algorithm>
#include <map>

#include "articles/save_by_name.h"
#include "files/replace_file.h"
#include "image/history_line.h"
#include "image/register_image.h"
#include "operations/changes_sheet.h"
#include "operations/nivelacija_sheet.h"
#include "operations/tax_rates.h"
#include "operations/till_name.h"
#include "sheets/workbook_writer.h"

namespace {

const char* const TextEndings[] = {".txt", ".tsv"};
const char* const TillColumn = "Kasa\t";

// The tills the document speaks of: the filter's, or every till of the book.
std::vector<std::string> ShownTills(const HistoryBook& book, const HistoryFilter& filter) {
    std::vector<std::string> tills;
    for (const std::string& till :
         filter.Till.empty() ? book.Tills() : std::vector<std::string>{filter.Till}) {
        tills.push_back(TillDisplayName(till));
    }
    return tills;
}

// The period asked for; where it is open, the days of the first and the last line.
NivelacijaTitle TitleOf(const HistoryBook& book, const HistoryFilter& filter,
                        const std::vector<const HistoryEntry*>& lines) {
    NivelacijaTitle title{filter.Since, filter.Until, ShownTills(book, filter)};
    if (title.From.empty() && !lines.empty()) {
        title.From = lines.front()->Date;
    }
    if (title.To.empty() && !lines.empty()) {
        title.To = lines.back()->Date;
    }
    return title;
}

// Each till's rates worked out once, when its first line asks.
class TaxRateTable {
public:
    explicit TaxRateTable(const HistoryBook& book) : Book(book) {}

    std::string Of(const HistoryEntry& line) {
        auto rates = Rates.find(line.Till);
        if (rates == Rates.end()) {
            RegisterImage image; // without one, every rate is followed from the lines alone
            ImageStore(Book.Folder(), line.Till).Load(image);
            rates = Rates.emplace(line.Till, TaxRatesAfter(Book.Record(line.Till), image)).first;
        }
        const std::vector<HistoryEntry>& record = Book.Record(line.Till);
        const auto at = static_cast<std::size_t>(&line - record.data());
        return at < rates->second.size() ? rates->second[at] : std::string();
    }

private:
    const HistoryBook& Book;
    std::map<std::string, std::vector<std::string>> Rates;
};

bool SaveWorkbook(const std::string& path, const HistoryBook& book, const HistoryFilter& filter,
                  const std::vector<const HistoryEntry*>& lines, HistoryDocument& document) {
    const PriceChanges changes = CollectPriceChanges(lines);
    document.PriceChanges = static_cast<int>(changes.Rows.size());
    document.UnknownOld = changes.UnknownOld;
    TaxRateTable taxes(book);
    WorkbookWriter workbook;
    WriteNivelacijaSheet(workbook, TitleOf(book, filter, lines), changes.Rows,
                         [&taxes](const HistoryEntry& line) { return taxes.Of(line); });
    WriteChangesSheet(workbook, lines);
    return workbook.Save(path);
}

} // namespace

bool IsHistoryDocumentName(const std::string& path) {
    return IsXlsxName(path) ||
           std::any_of(std::begin(TextEndings), std::end(TextEndings),
                       [&path](const char* ending) { return HasEnding(path, ending); });
}

std::string HistoryText(std::vector<const HistoryEntry*> lines, bool withTill) {
    std::stable_sort(lines.begin(), lines.end(), [](const HistoryEntry* a, const HistoryEntry* b) {
        return a->Till != b->Till ? a->Till < b->Till : a->Line < b->Line;
    });
    std::string text = (withTill ? TillColumn : "") + std::string(HistoryHeading) + "\n";
    for (const HistoryEntry* line : lines) {
        text +=
            (withTill ? TillDisplayName(line->Till) + "\t" : std::string()) + line->Text() + "\n";
    }
    return text;
}

HistoryDocument SaveHistoryDocument(const std::string& path, const HistoryBook& book,
                                    const HistoryFilter& filter) {
    const std::vector<const HistoryEntry*> lines = book.Select(filter);
    HistoryDocument document;
    document.Lines = static_cast<int>(lines.size());
    document.Workbook = IsXlsxName(path);
    document.Saved = document.Workbook
                         ? SaveWorkbook(path, book, filter, lines, document)
                         : ReplaceFileContent(path, HistoryText(lines, filter.Till.empty()));
    return document;
}

std::vector<std::string> HistoryDocumentLines(const std::string& shownPath,
                                              const HistoryDocument& document) {
    if (!document.Saved) {
        return {"Greska: fajl " + shownPath + " nije moguce snimiti"};
    }
    if (!document.Workbook) {
        return {"Istorija izmena: " + std::to_string(document.Lines) + " redova u fajlu " +
                shownPath};
    }
    std::vector<std::string> lines{"Nivelacija: " + std::to_string(document.PriceChanges) +
                                   " izmena cene u fajlu " + shownPath};
    if (document.UnknownOld > 0) {
        lines.push_back(std::to_string(document.UnknownOld) +
                        " izmena cene bez poznate stare cene nije u nivelaciji; vidi list Izmene");
    }
    return lines;
}
