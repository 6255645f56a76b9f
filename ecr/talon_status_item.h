#pragma once

#include <cstdint>

#include "text/ecr_string.h"

// The register's status record: seventeen fields as the "$s" reply carries them.
class TalonStatusItem {
public:
    std::int32_t GetModel() const { return Model; }
    std::int32_t GetFiscalized() const { return Fiscalized; }
    std::int32_t GetTotalizers() const { return Totalizers; }
    std::int32_t GetYear() const { return Year; }
    std::int32_t GetMonth() const { return Month; }
    std::int32_t GetDay() const { return Day; }
    const ECRString& GetTaxId() const { return TaxId; }
    const ECRString& GetFiscalModuleId() const { return FiscalModuleId; }
    const ECRString& GetVersion() const { return Version; }
    std::int32_t GetDepartments() const { return Departments; }
    std::int32_t GetProgrammableKeys() const { return ProgrammableKeys; }
    std::int32_t GetCashiers() const { return Cashiers; }
    std::int32_t GetPaymentMethods() const { return PaymentMethods; }
    std::int32_t GetArticles() const { return Articles; }
    std::int32_t GetBarcodeFormats() const { return BarcodeFormats; }
    std::int32_t GetPackagings() const { return Packagings; }

    // Overwrites every field from a status payload; missing fields become 0 or empty.
    void Parse(const ECRString& payload);

private:
    std::int32_t Model = 0;
    std::int32_t Fiscalized = 0;
    std::int32_t Totalizers = 0;
    std::int32_t Year = 0;
    std::int32_t Month = 0;
    std::int32_t Day = 0;
    ECRString TaxId;
    ECRString FiscalModuleId;
    ECRString Version;
    std::int32_t Departments = 0;
    std::int32_t ProgrammableKeys = 0;
    std::int32_t Cashiers = 0;
    std::int32_t PaymentMethods = 0;
    std::int32_t Reserved14 = 0;
    std::int32_t Articles = 0;
    std::int32_t BarcodeFormats = 0;
    std::int32_t Packagings = 0;
};
