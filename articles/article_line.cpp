#include "articles/article_line.h"

#include <cstdint>

#include "articles/field_values.h"
#include "articles/file_fields.h"

namespace {

constexpr int BarcodeField = 2;
constexpr int PriceField = 3;
constexpr std::int32_t FlagSet = 1; // a flag is set by exactly 1, as it always was

using Store = void (*)(TalonPLUItem&, double);

// The numeric fields in file order. Whole fields take the whole part of a decimal, as
// "1.0" always read as 1; fields 8 and 9 are MaxPrice then MinPrice.
struct NumberField {
    int Number;
    bool Whole;
    Store Put;
};

const NumberField NumberFields[] = {
    {3, false, [](TalonPLUItem& a, double v) { a.SetPrice(v); }},
    {4, true, [](TalonPLUItem& a, double v) { a.SetTaxRate(static_cast<std::int32_t>(v)); }},
    {5, true, [](TalonPLUItem& a, double v) { a.SetDepartment(static_cast<std::int32_t>(v)); }},
    {6, true, [](TalonPLUItem& a, double v) { a.SetContainer(static_cast<std::int32_t>(v)); }},
    {7, true, [](TalonPLUItem& a, double v) { a.SetPriceFixed(v == FlagSet); }},
    {8, true, [](TalonPLUItem& a, double v) { a.SetMaxPrice(v == FlagSet); }},
    {9, true, [](TalonPLUItem& a, double v) { a.SetMinPrice(v == FlagSet); }},
    {10, true, [](TalonPLUItem& a, double v) { a.SetMeasurement(static_cast<std::int32_t>(v)); }},
    {11, false, [](TalonPLUItem& a, double v) { a.SetQuantitySold(v); }},
    {12, false, [](TalonPLUItem& a, double v) { a.SetTurnover(v); }},
};

// The field's value; false when it holds text that is not a plain number.
bool ReadNumber(const NumberField& field, const ECRString& text, double& value) {
    const std::string v = FieldValue(text);
    value = 0.0;
    if (v.empty()) {
        return true;
    }
    if (!field.Whole) {
        return ReadPlainNumber(v, value);
    }
    std::int32_t whole = 0;
    const bool ok = ReadWholeNumber(v, whole);
    value = whole;
    return ok;
}

LineReading Fault(LineFault fault, int field, const LineFields& fields) {
    return LineReading{fault, field, fields.Texts[static_cast<std::size_t>(field - 1)]};
}

} // namespace

LineReading ReadArticleLine(const ECRString& line, char separator, TalonPLUItem& item) {
    return ReadArticleFields(SplitFields(line, separator), item);
}

LineReading ReadArticleFields(const LineFields& fields, TalonPLUItem& item) {
    item = TalonPLUItem();
    const ECRString& code = fields.Texts[BarcodeField - 1];
    if (fields.NotNumber[BarcodeField - 1] || IsExponentForm(FieldValue(code))) {
        return Fault(LineFault::ExponentBarcode, BarcodeField, fields);
    }
    item.SetDescription(fields.Name);
    item.SetCode(BarcodeValue(code));
    for (const NumberField& field : NumberFields) {
        double value = 0.0;
        const auto k = static_cast<std::size_t>(field.Number - 1);
        if (fields.NotNumber[k] || !ReadNumber(field, fields.Texts[k], value)) {
            const bool price = field.Number == PriceField;
            return Fault(price ? LineFault::Price : LineFault::Field, field.Number, fields);
        }
        field.Put(item, value);
    }
    return LineReading();
}

bool IsArticle(const TalonPLUItem& item) {
    return item.Name().GetLength() > 0 && item.Barcode().GetLength() > 0 && item.GetPrice() > 0.0;
}
