#pragma once

#include <string>
#include <vector>

// The columns of the article file, in its order; the workbook and the record of changes
// name them as its heading does.
enum ArticleColumn : int {
    NameColumn,
    BarcodeColumn,
    PriceColumn,
    TaxRateColumn,
    DepartmentColumn,
    ContainerColumn,
    PriceFixedColumn,
    MaxPriceColumn,
    MinPriceColumn,
    MeasurementColumn,
    QuantityColumn,
    TurnoverColumn,
    ArticleColumnCount
};

// The heading line of the files the program writes: the columns' titles, TAB between.
extern const char16_t SavedFileHeading[];
// The titles of that heading in UTF-8, one a column.
const std::vector<std::string>& ArticleColumnTitles();
