#include "operations/tax_rates.h"

#include <map>

#include "articles/article_columns.h"
#include "image/history_line.h"
#include "text/c_numbers.h"

namespace {

// What a location holds, as far as the walk back knows it.
struct Held {
    std::string Barcode;
    std::string TaxRate;
};

} // namespace

std::vector<std::string> TaxRatesAfter(const std::vector<HistoryEntry>& record,
                                       const RegisterImage& image) {
    std::map<int, Held> held; // after the line being looked at
    for (const auto& article : image.Articles) {
        held[article.first] = {RecordedBarcode(article.second),
                               std::to_string(article.second.GetTaxRate())};
    }
    std::vector<std::string> rates(record.size());
    for (std::size_t i = record.size(); i-- > 0;) {
        const HistoryEntry& line = record[i];
        const int location = ReadLong(line.Field(LocationField).c_str());
        const auto now = held.find(location);
        std::string rateBefore;
        const bool rateChanged =
            RecordedFieldChange(line.Field(OtherField), TaxRateColumn, rateBefore, rates[i]);
        const bool written = !line.Field(NewPriceField).empty();
        if (written && !rateChanged && now != held.end() &&
            now->second.Barcode == line.Field(BarcodeField)) {
            rates[i] = now->second.TaxRate;
        }
        if (!written) {
            rates[i].clear();
        }
        if (!written || !KnownPrice(line.Field(OldPriceField)) || rates[i].empty()) {
            held.erase(location);
            continue;
        }
        std::string barcodeBefore = line.Field(BarcodeField);
        std::string barcodeAfter;
        RecordedFieldChange(line.Field(OtherField), BarcodeColumn, barcodeBefore, barcodeAfter);
        held[location] = {barcodeBefore, rateChanged ? rateBefore : rates[i]};
    }
    return rates;
}
