#include "emulator/article_text.h"

#include "ecr/control_bytes.h"
#include "emulator/wire_fields.h"

namespace {

bool Flag(const std::string& field) {
    return LeadingNumber(field) == 1;
}
const char* FlagText(bool flag) {
    return flag ? "1" : "0";
}

void Put(std::string& out, const std::string& field, char separator) {
    out += field;
    out += separator;
}

void Put(std::string& out, long long number, char separator) {
    Put(out, std::to_string(number), separator);
}

std::string Bytes(const ECRString& text) {
    return std::string(text.Text(), text.GetLength());
}

} // namespace

StoredArticle ParseProgrammingText(const std::string& text) {
    using namespace ControlByte;
    std::string rest = text;
    StoredArticle a;
    a.Name = CutAt(rest, LF);
    a.Barcode = CutAt(rest, LF);
    a.PriceHundredths = LeadingNumber(CutAt(rest, TAB));
    a.TaxRate = LeadingInt(CutAt(rest, SEP));
    a.Department = LeadingInt(CutAt(rest, SEP));
    a.Container = LeadingInt(CutAt(rest, SEP));
    a.PriceFixed = Flag(CutAt(rest, SEP));
    a.MinPrice = Flag(CutAt(rest, SEP));
    a.MaxPrice = Flag(CutAt(rest, SEP));
    a.Measurement = LeadingInt(CutAt(rest, SEP));
    a.QuantityThousandths = LeadingNumber(CutAt(rest, TAB));
    a.TurnoverHundredths = LeadingNumber(CutAt(rest, TAB));
    return a;
}

std::string ReadingText(const StoredArticle& a, int thisId, int nextId) {
    using namespace ControlByte;
    std::string out;
    Put(out, a.Name, LF);
    Put(out, a.Barcode, LF);
    Put(out, a.PriceHundredths, TAB);
    Put(out, a.TaxRate, SEP);
    Put(out, a.Department, SEP);
    Put(out, a.Container, SEP);
    Put(out, FlagText(a.PriceFixed), SEP);
    Put(out, FlagText(a.MaxPrice), SEP);
    Put(out, FlagText(a.MinPrice), SEP);
    Put(out, a.Measurement, SEP);
    Put(out, a.QuantityThousandths, TAB);
    Put(out, a.TurnoverHundredths, TAB);
    Put(out, thisId, TAB);
    Put(out, nextId, TAB);
    return out;
}

StoredArticle FromPLUItem(const TalonPLUItem& item) {
    return ParseProgrammingText(Bytes(item.ToECRText()));
}

TalonPLUItem ToPLUItem(const StoredArticle& article, int thisId, int nextId) {
    TalonPLUItem item;
    item.FromECRText(ECRString(ReadingText(article, thisId, nextId).c_str()));
    return item;
}
