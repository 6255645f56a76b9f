#include "articles/load_messages.h"

#include <initializer_list>
#include <string>

#include "articles/article_table.h"
#include "sheets/sheet_cells.h"
#include "sheets/zip_archive.h"

namespace {

const char CannotLoad[] = "Greska: fajl %1 nije moguce ucitati";
const char CannotReadSheet[] = "Fajl %1 nije moguce procitati kao tabelu (%2)";
const char HeadingSkipped[] = "Prvi red se preskace kao zaglavlje: \"%1\"";
const char BadPrice[] = "Red %1: neispravna cena \"%2\"";
const char BadField[] = "Red %1: neispravno polje %2 \"%3\"";
const char ExponentBarcode[] = "Red %1: barkod \"%2\" je u obliku broja sa eksponentom";
const char MoreRows[] = "... i jos %1 redova nije ucitano";
const char LinesLeftOver[] = "Nije ucitano %1 redova (najvise %2 artikala)";
// The reader stops counting far into a huge file; the count is then a lower bound.
const char LinesLeftOverAtLeast[] = "Nije ucitano najmanje %1 redova (najvise %2 artikala)";
const char NoArticle[] = "Fajl %1 ne sadrzi nijedan artikal (ocekuje se zaglavlje, pa redovi "
                         "sa nazivom, barkodom i cenom)";
constexpr int MostArticles = ArticleTableSize - FirstLoadedLocation;

// The pattern with %1, %2, ... replaced by the texts in turn.
ECRString Fill(const char* pattern, std::initializer_list<std::string> texts) {
    std::string out;
    for (const char* p = pattern; *p != '\0'; ++p) {
        const int k = p[0] == '%' && p[1] >= '1' && p[1] <= '9' ? p[1] - '1' : -1;
        if (k >= 0 && static_cast<std::size_t>(k) < texts.size()) {
            out += texts.begin()[k];
            ++p;
        } else {
            out += *p;
        }
    }
    return ECRString(out.c_str());
}

// Why a spreadsheet was not read, as the log tells it.
std::string Reason(SheetFault fault) {
    switch (fault) {
    case SheetFault::Encrypted:
        return "sifrovan fajl";
    case SheetFault::OldExcel:
        return "stari Excel format (.xls)";
    case SheetFault::BrokenZip:
        return "ostecen zip";
    case SheetFault::BrokenXml:
        return "ostecen XML";
    case SheetFault::XmlDeclarations:
        return "XML sa DOCTYPE deklaracijom";
    case SheetFault::NoXmlParser:
        return "nedovoljno memorije za XML";
    case SheetFault::TooLarge:
        return "vise od " + std::to_string(MaxUnpackedBytes / (1024 * 1024)) + " MiB";
    case SheetFault::NoWorksheet:
        return "nema radnog lista";
    case SheetFault::TooManyRows:
        return "vise od " + std::to_string(MaxSheetRows) + " redova";
    case SheetFault::NotSpreadsheet:
        return "zip nije .xlsx ni .ods";
    case SheetFault::None:
        break;
    }
    return std::string();
}

std::string Shown(const ECRString& text) {
    return std::string(text.Text(), text.GetLength());
}

ECRString RowLine(const RowNote& note) {
    const std::string row = std::to_string(note.Line);
    const LineReading& r = note.Reading;
    switch (r.Fault) {
    case LineFault::Price:
        return Fill(BadPrice, {row, Shown(r.Text)});
    case LineFault::ExponentBarcode:
        return Fill(ExponentBarcode, {row, Shown(r.Text)});
    case LineFault::Field:
    case LineFault::None:
        break;
    }
    return Fill(BadField, {row, std::to_string(r.Field), Shown(r.Text)});
}

} // namespace

std::vector<ECRString> LoadMessages(const LoadOutcome& outcome, const ECRString& shownPath) {
    if (!outcome.Opened && outcome.Unreadable != SheetFault::None) {
        return {Fill(CannotReadSheet, {Shown(shownPath), Reason(outcome.Unreadable)})};
    }
    if (!outcome.Opened) {
        return {Fill(CannotLoad, {Shown(shownPath)})};
    }
    std::vector<ECRString> lines;
    if (outcome.HeadingIsArticle) {
        lines.push_back(Fill(HeadingSkipped, {Shown(outcome.HeadingName)}));
    }
    for (const RowNote& note : outcome.Notes) {
        lines.push_back(RowLine(note));
    }
    if (outcome.NotesLeftOut > 0) {
        lines.push_back(Fill(MoreRows, {std::to_string(outcome.NotesLeftOut)}));
    }
    if (outcome.LinesNotTaken > 0) {
        lines.push_back(
            Fill(outcome.CountStopped ? LinesLeftOverAtLeast : LinesLeftOver,
                 {std::to_string(outcome.LinesNotTaken), std::to_string(MostArticles)}));
    }
    if (outcome.Taken == 0) {
        lines.push_back(Fill(NoArticle, {Shown(shownPath)}));
    }
    return lines;
}
