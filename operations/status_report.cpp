#include "operations/status_report.h"

#include "ecr/talon_ecr.h"
#include "operations/operation_sinks.h"

namespace {

using NumberOf = std::int32_t (TalonStatusItem::*)() const;
using TextOf = const ECRString& (TalonStatusItem::*)() const;

StatusField Number(const char* label, const char* key, const TalonStatusItem& s, NumberOf get) {
    return {label, key, ECRString((s.*get)()), true};
}

StatusField Text(const char* label, const char* key, const TalonStatusItem& s, TextOf get) {
    return {label, key, (s.*get)(), false};
}

} // namespace

std::vector<StatusField> StatusFields(const TalonStatusItem& s) {
    using S = TalonStatusItem;
    return {
        Number("Model: ", "Model", s, &S::GetModel),
        Number("Fiskalizovan: ", "Fiscalized", s, &S::GetFiscalized),
        Number("Totalajzeri: ", "Totalizers", s, &S::GetTotalizers),
        Number("Godina: ", "Year", s, &S::GetYear),
        Number("Mesec: ", "Month", s, &S::GetMonth),
        Number("Dan: ", "Day", s, &S::GetDay),
        Text("PIB: ", "TaxId", s, &S::GetTaxId),
        Text("IBFM: ", "FiscalModuleId", s, &S::GetFiscalModuleId),
        Text("Verzija: ", "Version", s, &S::GetVersion),
        Number("Odeljenja: ", "Departments", s, &S::GetDepartments),
        Number("Prog. tastera: ", "ProgrammableKeys", s, &S::GetProgrammableKeys),
        Number("Blagajnika: ", "Cashiers", s, &S::GetCashiers),
        Number("Nacina placanja: ", "PaymentMethods", s, &S::GetPaymentMethods),
        Number("Artikala: ", "Articles", s, &S::GetArticles),
        Number("Barkod formata: ", "BarcodeFormats", s, &S::GetBarcodeFormats),
        Number("Ambalaza: ", "Packagings", s, &S::GetPackagings),
    };
}

void ReportStatus(TalonECR& ecr, LogSink& log) {
    ecr.RequestStatus();
    for (const StatusField& field : StatusFields(ecr.GetStatusItem())) {
        log.Line(ECRString(field.Label) + field.Value);
    }
}
