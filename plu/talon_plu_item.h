#pragma once

#include <cstdint>

#include "text/ecr_string.h"

// The register keeps no more of an article's two texts than this many characters.
constexpr std::uint32_t DescriptionWireLength = 16;
constexpr std::uint32_t CodeWireLength = 13;

// One article of the register.
class TalonPLUItem {
public:
    ECRString GetDescription() const { return Description; }
    ECRString GetCode() const { return Code; }
    double GetPrice() const { return Price; }
    std::int32_t GetTaxRate() const { return TaxRate; }
    std::int32_t GetDepartment() const { return Department; }
    std::int32_t GetContainer() const { return Container; }
    bool GetPriceFixed() const { return PriceFixed; }
    double GetQuantitySold() const { return QuantitySold; }
    double GetTurnover() const { return Turnover; }
    bool GetMaxPrice() const { return MaxPrice; }
    bool GetMinPrice() const { return MinPrice; }
    std::int32_t GetMeasurement() const { return Measurement; }
    std::int32_t GetThisID() const { return ThisID; }
    std::int32_t GetNextID() const { return NextID; }

    // Cheap read access for loops over whole tables.
    const ECRString& Name() const { return Description; }
    const ECRString& Barcode() const { return Code; }

    void SetDescription(const ECRString& v) { Description = v; }
    void SetCode(const ECRString& v) { Code = v; }
    void SetPrice(double v) { Price = v; }
    void SetTaxRate(std::int32_t v) { TaxRate = v; }
    void SetDepartment(std::int32_t v) { Department = v; }
    void SetContainer(std::int32_t v) { Container = v; }
    void SetPriceFixed(bool v) { PriceFixed = v; }
    void SetMaxPrice(bool v) { MaxPrice = v; }
    void SetMinPrice(bool v) { MinPrice = v; }
    void SetMeasurement(std::int32_t v) { Measurement = v; }
    // The two counters are the register's; only reading a file sets them.
    void SetQuantitySold(double v) { QuantitySold = v; }
    void SetTurnover(double v) { Turnover = v; }

    // The text of the article-programming command (twelve fields, MinPrice before MaxPrice).
    ECRString ToECRText() const;
    // Overwrites all fourteen fields from the article-reading reply (MaxPrice first).
    void FromECRText(ECRString answer);

    // The article text file line, fields joined by the separator, no line end.
    ECRString ToFileText(char separator) const;
    // Reads fields 1 to 12 of a file line; ThisID and NextID are left as they were.
    void FromFileText(ECRString line, char separator);

private:
    ECRString Description;
    ECRString Code;
    double Price = 0.0;
    std::int32_t TaxRate = 0;
    std::int32_t Department = 0;
    std::int32_t Container = 0;
    bool PriceFixed = false;
    double QuantitySold = 0.0;
    double Turnover = 0.0;
    bool MaxPrice = false;
    bool MinPrice = false;
    std::int32_t Measurement = 0;
    std::int32_t ThisID = 0;
    std::int32_t NextID = 0;
};
