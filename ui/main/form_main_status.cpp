// The status report: sixteen labelled lines of the register's status record.
#include "ui/main/form_main.h"

#include <QString>

#include "ecr/talon_ecr.h"
#include "ui/common/text_convert.h"

namespace {

using StatusValue = QString (*)(const TalonStatusItem&);

struct StatusLine {
    const char* Label;
    StatusValue Value;
};

// Reserved14 is not shown; every other field is, in record order.
const StatusLine StatusLines[] = {
    {"Model: ", [](const TalonStatusItem& s) { return QString::number(s.GetModel()); }},
    {"Fiskalizovan: ", [](const TalonStatusItem& s) { return QString::number(s.GetFiscalized()); }},
    {"Totalajzeri: ", [](const TalonStatusItem& s) { return QString::number(s.GetTotalizers()); }},
    {"Godina: ", [](const TalonStatusItem& s) { return QString::number(s.GetYear()); }},
    {"Mesec: ", [](const TalonStatusItem& s) { return QString::number(s.GetMonth()); }},
    {"Dan: ", [](const TalonStatusItem& s) { return QString::number(s.GetDay()); }},
    {"PIB: ", [](const TalonStatusItem& s) { return ToQString(s.GetTaxId()); }},
    {"IBFM: ", [](const TalonStatusItem& s) { return ToQString(s.GetFiscalModuleId()); }},
    {"Verzija: ", [](const TalonStatusItem& s) { return ToQString(s.GetVersion()); }},
    {"Odeljenja: ", [](const TalonStatusItem& s) { return QString::number(s.GetDepartments()); }},
    {"Prog. tastera: ",
     [](const TalonStatusItem& s) { return QString::number(s.GetProgrammableKeys()); }},
    {"Blagajnika: ", [](const TalonStatusItem& s) { return QString::number(s.GetCashiers()); }},
    {"Nacina placanja: ",
     [](const TalonStatusItem& s) { return QString::number(s.GetPaymentMethods()); }},
    {"Artikala: ", [](const TalonStatusItem& s) { return QString::number(s.GetArticles()); }},
    {"Barkod formata: ",
     [](const TalonStatusItem& s) { return QString::number(s.GetBarcodeFormats()); }},
    {"Ambalaza: ", [](const TalonStatusItem& s) { return QString::number(s.GetPackagings()); }},
};

} // namespace

void TFormMain::BitBtnStatusClick() {
    GuardLink([this] {
        ECR->RequestStatus();
        const TalonStatusItem& status = ECR->GetStatusItem();
        for (const StatusLine& line : StatusLines) {
            Log(QString::fromLatin1(line.Label) + line.Value(status));
        }
    });
}
