#include "ecr/talon_status_item.h"

#include "ecr/control_bytes.h"
#include "text/field_cut.h"

void TalonStatusItem::Parse(const ECRString& payload) {
    using namespace ControlByte;
    ECRString rest = payload;
    Model = CutLong(rest, SEP);
    Fiscalized = CutLong(rest, SEP);
    Totalizers = CutLong(rest, SEP);
    Year = CutLong(rest, SEP);
    Month = CutLong(rest, SEP);
    Day = CutLong(rest, SEP);
    TaxId = rest.CutField(LF);
    FiscalModuleId = rest.CutField(LF);
    Version = rest.CutField(LF);
    Departments = CutLong(rest, TAB);
    ProgrammableKeys = CutLong(rest, TAB);
    Cashiers = CutLong(rest, TAB);
    PaymentMethods = CutLong(rest, TAB);
    Reserved14 = CutLong(rest, TAB);
    Articles = CutLong(rest, TAB);
    BarcodeFormats = CutLong(rest, TAB);
    Packagings = CutLong(rest, TAB);
}
