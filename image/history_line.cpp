#include "image/history_line.h"

#include <array>
#include <utility>

#include "articles/article_columns.h"
#include "plu/file_decimals.h"
#include "plu/finite_value.h"
#include "text/c_numbers.h"
#include "text/code_page.h"
#include "text/utf8_text.h"

namespace {

constexpr char Tab = '\t';
constexpr char Blank = ' ';
constexpr unsigned char FirstPrintable = 0x20;
constexpr unsigned char Delete = 0x7F;
constexpr double HundredthsPerUnit = 100.0;
const char* const ChangeSeparator = "; ";
const char* const ChangeArrow = " -> ";

const char* const OperationWords[] = {"posalji", "izmene", "obrisi", "izmena"};

// The programmed fields: the article file's columns up to the measurement, named as its
// heading names them.
constexpr int FieldCount = MeasurementColumn + 1;

using Values = std::array<std::string, FieldCount>;

// Register text as UTF-8 on one line of its own column.
std::string ColumnText(const ECRString& text) {
    std::string bytes(text.Text(), text.GetLength());
    for (char& c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < FirstPrintable || byte == Delete) {
            c = Blank;
        }
    }
    return Utf16ToUtf8(Cp1251ToUtf16(bytes));
}

// The price as the register keeps it: in whole hundredths.
std::string PriceText(double price) {
    const double hundredths =
        ReadDouble(FormatFixed(FiniteOrZero(price) * HundredthsPerUnit, 0).c_str());
    return FormatFixed(hundredths / HundredthsPerUnit, PriceDecimals);
}

std::string Flag(bool set) {
    return set ? "1" : "0";
}

// What the register holds of the article after a write.
Values ProgrammedValues(const TalonPLUItem& item) {
    return {ColumnText(item.Name().Sub(0, DescriptionWireLength)),
            ColumnText(item.Barcode().Sub(0, CodeWireLength)),
            PriceText(item.GetPrice()),
            std::to_string(item.GetTaxRate()),
            std::to_string(item.GetDepartment()),
            std::to_string(item.GetContainer()),
            Flag(item.GetPriceFixed()),
            Flag(item.GetMaxPrice()),
            Flag(item.GetMinPrice()),
            std::to_string(item.GetMeasurement())};
}

// "Field: old -> new" for each field but the price that differs, joined.
std::string OtherChanges(const Values& before, const Values& after) {
    std::string changes;
    for (int f = 0; f < FieldCount; ++f) {
        if (f == PriceColumn || before[f] == after[f]) {
            continue;
        }
        changes += (changes.empty() ? "" : ChangeSeparator) + ArticleColumnTitles()[f] + ": " +
                   before[f] + ChangeArrow + after[f];
    }
    return changes;
}

constexpr std::size_t Columns = 8;

std::string Joined(const std::array<std::string, Columns>& columns) {
    std::string line = columns.front();
    for (std::size_t c = 1; c < Columns; ++c) {
        line += Tab + columns[c];
    }
    return line;
}

} // namespace

const char HistoryHeading[] =
    "Vreme\tOperacija\tLokacija\tBarkod\tNaziv\tStara cena\tNova cena\tOstale izmene";
const char UnknownValue[] = "?";

const char* OperationWord(HistoryOperation operation) {
    return OperationWords[static_cast<int>(operation)];
}

std::string HistoryLine(const HistoryChange& change) {
    const bool hadArticle = change.OldKnown && change.Old.has_value();
    if (!change.New && change.OldKnown && !hadArticle) {
        return {}; // an empty location erased: nothing the register held changed
    }
    const Values before = hadArticle ? ProgrammedValues(*change.Old) : Values();
    const Values after = change.New ? ProgrammedValues(*change.New) : Values();
    if (hadArticle && change.New && before == after) {
        return {};
    }
    const Values& shown = change.New ? after : before;
    const std::string oldPrice = !change.OldKnown ? UnknownValue
                                 : hadArticle     ? before[PriceColumn]
                                                  : std::string();
    const std::string changes = hadArticle && change.New ? OtherChanges(before, after) : "";
    return Joined({change.Time, OperationWord(change.Operation), std::to_string(change.Location),
                   shown[BarcodeColumn], shown[NameColumn], oldPrice, after[PriceColumn], changes});
}

std::string RecordedBarcode(const TalonPLUItem& item) {
    return ProgrammedValues(item)[BarcodeColumn];
}

bool RecordedFieldChange(const std::string& otherChanges, int column, std::string& before,
                         std::string& after) {
    const std::string field = ArticleColumnTitles()[column] + ": ";
    const std::string separator = ChangeSeparator;
    // Each change starts the text or follows a separator; the field's title opens it.
    std::size_t at = 0;
    while (otherChanges.compare(at, field.size(), field) != 0) {
        at = otherChanges.find(separator + field, at);
        if (at == std::string::npos) {
            return false;
        }
        at += separator.size();
    }
    const std::size_t from = at + field.size();
    const std::size_t arrow = otherChanges.find(ChangeArrow, from);
    if (arrow == std::string::npos) {
        return false;
    }
    const std::size_t to = arrow + std::string(ChangeArrow).size();
    const std::size_t end = otherChanges.find(separator, to);
    before = otherChanges.substr(from, arrow - from);
    after = otherChanges.substr(to, end == std::string::npos ? end : end - to);
    return true;
}
