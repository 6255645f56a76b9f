#pragma once

// The decimals of the amounts in the article file and workbook: prices and turnover in
// hundredths, quantities in thousandths.
constexpr int PriceDecimals = 2;
constexpr int QuantityDecimals = 3;
constexpr int TurnoverDecimals = 2;
