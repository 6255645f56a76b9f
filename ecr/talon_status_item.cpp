#include "ecr/talon_status_item.h"

#include "ecr/control_bytes.h"
#include "text/c_numbers.h"

namespace {
std::int32_t CutNumber(ECRString& rest, char separator) {
    return ReadLong(rest.CutField(separator).Text());
}
} // namespace

void TalonStatusItem::Parse(const ECRString& payload) {
    using namespace ControlByte;
    ECRString rest = payload;
    Model = CutNumber(rest, SEP);
    Fiscalized = CutNumber(rest, SEP);
    Totalizers = CutNumber(rest, SEP);
    Year = CutNumber(rest, SEP);
    Month = CutNumber(rest, SEP);
    Day = CutNumber(rest, SEP);
    TaxId = rest.CutField(LF);
    FiscalModuleId = rest.CutField(LF);
    Version = rest.CutField(LF);
    Departments = CutNumber(rest, TAB);
    ProgrammableKeys = CutNumber(rest, TAB);
    Cashiers = CutNumber(rest, TAB);
    PaymentMethods = CutNumber(rest, TAB);
    Reserved14 = CutNumber(rest, TAB);
    Articles = CutNumber(rest, TAB);
    BarcodeFormats = CutNumber(rest, TAB);
    Packagings = CutNumber(rest, TAB);
}
