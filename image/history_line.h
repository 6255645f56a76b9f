#pragma once

#include <optional>
#include <string>

#include "plu/talon_plu_item.h"

// One line of the record of changes: what one accepted write or erase changed at a
// location. UTF-8, eight TAB-separated columns (see HistoryHeading):
//   time      local, "YYYY-MM-DD HH:MM:SS"
//   operation OperationWord
//   location, barcode, name (of the article written, or of the one erased)
//   old price empty for a write to an empty location, UnknownValue when the image could
//             not tell what the location held
//   new price empty for an erase
//   other     the other programmed fields that changed, "Field: old -> new" joined by
//             "; ", fields named as the article file's heading names them (a name or
//             barcode change shows here too); empty for a new article and an erase
// Names and barcodes are given as the register keeps them (cut to its lengths), with any
// TAB, line end or other control character turned into a space.

enum class HistoryOperation {
    Send,  // the whole article list
    Sync,  // only what changed against the image
    Erase, // articles erased
    Edit,  // one article edited in the window
};

// "posalji", "izmene", "obrisi", "izmena".
const char* OperationWord(HistoryOperation operation);

extern const char HistoryHeading[];
extern const char UnknownValue[];

struct HistoryChange {
    std::string Time;
    HistoryOperation Operation = HistoryOperation::Send;
    int Location = 0;
    bool OldKnown = true;            // false: the image was not trusted
    std::optional<TalonPLUItem> Old; // none: the location was empty (or not known)
    std::optional<TalonPLUItem> New; // none: erased
};

// The line, without its line end; "" when no programmed field changed.
std::string HistoryLine(const HistoryChange& change);

// The barcode of an article as a line gives it.
std::string RecordedBarcode(const TalonPLUItem& item);
// Of a line's other changes, what the field (an ArticleColumn) held before and after; false
// when the line tells no change of it.
bool RecordedFieldChange(const std::string& otherChanges, int column, std::string& before,
                         std::string& after);
