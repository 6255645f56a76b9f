#pragma once

#include <string>

#include "plu/talon_plu_item.h"

// An article as the register keeps it: texts as received, money and quantities in the
// whole units that travel on the line.
struct StoredArticle {
    std::string Name;
    std::string Barcode;
    long long PriceHundredths = 0;
    int TaxRate = 0;
    int Department = 0;
    int Container = 0;
    bool PriceFixed = false;
    bool MinPrice = false;
    bool MaxPrice = false;
    int Measurement = 0;
    long long QuantityThousandths = 0;
    long long TurnoverHundredths = 0;
};

// Reads the article text of the programming command (MinPrice before MaxPrice).
// Missing fields read as empty, 0 or false, as the register's own parser leaves them.
StoredArticle ParseProgrammingText(const std::string& text);
// The article-reading answer: the fourteen fields, MaxPrice before MinPrice.
std::string ReadingText(const StoredArticle& article, int thisId, int nextId);

// Conversions at the boundary to the program's article record.
StoredArticle FromPLUItem(const TalonPLUItem& item);
TalonPLUItem ToPLUItem(const StoredArticle& article, int thisId, int nextId);
