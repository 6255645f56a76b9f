// The article's line in the article text file: twelve fields joined by a separator.
#include "plu/talon_plu_item.h"

#include "plu/file_decimals.h"
#include "plu/finite_value.h"
#include "plu/quoted_name.h"
#include "text/c_numbers.h"
#include "text/field_cut.h"

namespace {


ECRString Fixed(double value, int decimals) {
    return ECRString(FormatFixed(FiniteOrZero(value), decimals).c_str());
}

} // namespace

ECRString TalonPLUItem::ToFileText(char separator) const {
    const char sepText[] = {separator, '\0'};
    const ECRString sep(sepText);
    // The flags go MaxPrice then MinPrice, the order in which FromFileText reads them, and
    // the counters keep their decimals, so that a saved file loads back unchanged.
    return QuotedName(Description) + sep + Code + sep + Fixed(Price, PriceDecimals) + sep +
           ECRString(TaxRate) + sep + ECRString(Department) + sep + ECRString(Container) + sep +
           ECRString(PriceFixed) + sep + ECRString(MaxPrice) + sep + ECRString(MinPrice) + sep +
           ECRString(Measurement) + sep + Fixed(QuantitySold, QuantityDecimals) + sep +
           Fixed(Turnover, TurnoverDecimals);
}

void TalonPLUItem::FromFileText(ECRString line, char separator) {
    Description = CutNameField(line, separator);
    Code = line.CutField(separator);
    Price = CutDouble(line, separator);
    TaxRate = CutLong(line, separator);
    Department = CutLong(line, separator);
    Container = CutLong(line, separator);
    PriceFixed = CutFlag(line, separator);
    MaxPrice = CutFlag(line, separator);
    MinPrice = CutFlag(line, separator);
    Measurement = CutLong(line, separator);
    QuantitySold = CutDouble(line, separator);
    Turnover = CutDouble(line, separator);
}
