#pragma once

// The decimals of the amounts wherever the program writes or shows them (the article file
// and workbook, the record of changes, the window): prices and turnover in hundredths,
// quantities in thousandths.
constexpr int PriceDecimals = 2;
constexpr int QuantityDecimals = 3;
constexpr int TurnoverDecimals = 2;
