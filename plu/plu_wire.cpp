#include "plu/talon_plu_item.h"

#include <cmath>

#include "plu/finite_value.h"
#include "text/c_numbers.h"
#include "text/field_cut.h"

namespace {
constexpr char LF = 0x0A;
constexpr char TAB = 0x09;
constexpr char FE = static_cast<char>(0xFE);
// Money travels in hundredths, quantities in thousandths.
constexpr double HundredthsPerUnit = 100.0;
constexpr double ThousandthsPerUnit = 1000.0;
constexpr double UnitsPerHundredth = 0.01;
constexpr double UnitsPerThousandth = 0.001;

ECRString Separator(char c) {
    const char text[2] = {c, '\0'};
    return ECRString(text);
}

ECRString NumberText(const std::string& digits) {
    return ECRString(digits.c_str());
}

// A counter as a whole number; adding 0.0 turns a rounded -0 into 0.
ECRString RoundedText(double value) {
    return NumberText(FormatFixed(std::round(FiniteOrZero(value)) + 0.0, 0));
}

} // namespace

ECRString TalonPLUItem::ToECRText() const {
    const ECRString lf = Separator(LF);
    const ECRString tab = Separator(TAB);
    const ECRString fe = Separator(FE);
    ECRString text;
    text += Description.Sub(0, DescriptionWireLength) + lf;
    text += Code.Sub(0, CodeWireLength) + lf;
    text += NumberText(FormatFixed(FiniteOrZero(Price * HundredthsPerUnit), 0)) + tab;
    text += ECRString(TaxRate) + fe;
    text += ECRString(Department) + fe;
    text += ECRString(Container) + fe;
    // The programming command wants MinPrice before MaxPrice, unlike the read reply.
    text += ECRString(PriceFixed) + fe;
    text += ECRString(MinPrice) + fe;
    text += ECRString(MaxPrice) + fe;
    text += ECRString(Measurement) + fe;
    text += RoundedText(QuantitySold * ThousandthsPerUnit) + tab;
    text += RoundedText(Turnover * HundredthsPerUnit) + tab;
    return text;
}

void TalonPLUItem::FromECRText(ECRString answer) {
    Description = answer.CutField(LF);
    Code = answer.CutField(LF);
    Price = CutDouble(answer, TAB) * UnitsPerHundredth;
    TaxRate = CutLong(answer, FE);
    Department = CutLong(answer, FE);
    Container = CutLong(answer, FE);
    PriceFixed = CutFlag(answer, FE);
    MaxPrice = CutFlag(answer, FE);
    MinPrice = CutFlag(answer, FE);
    Measurement = CutLong(answer, FE);
    QuantitySold = CutDouble(answer, TAB) * UnitsPerThousandth;
    Turnover = CutDouble(answer, TAB) * UnitsPerHundredth;
    ThisID = CutLong(answer, TAB);
    NextID = CutLong(answer, TAB);
}
