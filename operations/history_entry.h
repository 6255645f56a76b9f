#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// One line of a till's record of changes (image/history_line.h), cut into its columns.
enum HistoryField : int {
    TimeField,
    OperationField,
    LocationField,
    BarcodeField,
    NameField,
    OldPriceField,
    NewPriceField,
    OtherField,
    HistoryFieldCount
};

struct HistoryEntry {
    std::string Till;     // the image name of the till whose record holds the line
    std::size_t Line = 0; // its place in that record, from 1 after the heading
    std::array<std::string, HistoryFieldCount> Fields; // the last also holds any further TAB
    std::size_t Columns = 0;                           // that the line has, up to the count
    std::string Date;                                  // of its time; "" when it has none
    std::string Folded; // barcode and name case-folded, for the text filter

    const std::string& Field(HistoryField field) const { return Fields[field]; }
    // The line as the record holds it.
    std::string Text() const;
};

// Never fails: missing columns are empty.
HistoryEntry ReadHistoryEntry(const std::string& till, std::size_t line, const std::string& text);

// A price column that holds a price: not empty (no article) nor unknown.
bool KnownPrice(const std::string& field);

// The titles of the record's heading, one a column.
const std::vector<std::string>& HistoryColumnTitles();
