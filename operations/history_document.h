#pragma once

#include <string>
#include <vector>

#include "operations/history_book.h"

// The documents made of the record of changes: the nivelacija workbook and the record's
// text, for the lines a filter keeps.

// A name the document can be written under: an Excel workbook (".xlsx") or the record's
// text (".txt", ".tsv"), in any case.
bool IsHistoryDocumentName(const std::string& path);

struct HistoryDocument {
    bool Saved = false;
    bool Workbook = false;
    int Lines = 0;        // of the record, in the text or the sheet "Izmene"
    int PriceChanges = 0; // rows of the sheet "Nivelacija"
    int UnknownOld = 0;   // price changes left out of it: the old price is not known
};

// The lines as the record holds them, the heading first. Across tills (`withTill`) each line
// after its till's name and a till's lines together, tills in name order.
std::string HistoryText(std::vector<const HistoryEntry*> lines, bool withTill);

// Saved in a scratch file first and then put in place, as every file the program writes;
// an earlier file stays untouched when it cannot be.
HistoryDocument SaveHistoryDocument(const std::string& path, const HistoryBook& book,
                                    const HistoryFilter& filter);

// What the log says about it (UTF-8), the path as the user named it.
std::vector<std::string> HistoryDocumentLines(const std::string& shownPath,
                                              const HistoryDocument& document);
