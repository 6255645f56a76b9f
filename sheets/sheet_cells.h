#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>


// The cells of a spreadsheet's rows as the article loader wants them: the first twelve
// columns only, each with what it holds and the text it shows in a refusal.

// The columns a row is read up to: as many as an article line has fields.
constexpr int SheetColumns = 12;

// What a cell holds.
enum class CellKind { Empty, Text, Number, Date, Time, Boolean, Error };

struct SheetCell {
    CellKind Kind = CellKind::Empty;
    // UTF-8. Text: the text. Number: the stored value as written in the file. Date:
    // YYYY-MM-DD (with the time when the day is not whole); Time: HH:MM:SS; Boolean:
    // TRUE or FALSE; Error: the error as the sheet shows it.
    std::string Text;
    double Number = 0.0; // Number only
};

// Rows are numbered as the sheet numbers them, the first being 1.
struct SheetRow {
    std::int64_t Number = 0;
    std::array<SheetCell, SheetColumns> Cells;
};

// The most rows a sheet of Excel or of Calc (in its usual size) holds; a non-empty row
// beyond them is no sheet these programs write.
constexpr std::int64_t MaxSheetRows = 1048576;
// A cell's text is kept up to this many bytes: far more than any field may hold.
constexpr std::size_t MaxCellBytes = 4096;

// Receives each row that holds something in its first twelve columns, in sheet order,
// with the count of rows from it on that hold the same (an .ods repeats a row so);
// returns false when no more rows are wanted.
using RowSink = std::function<bool(const SheetRow&, std::int64_t repeats)>;

// True when none of the row's cells holds anything.
bool IsEmptyRow(const SheetRow& row);
// Appends to a cell's text, up to MaxCellBytes.
void AppendCellText(std::string& text, const char* data, std::size_t size);
// A cell holding the number written as `raw`; a text cell holding `raw` when it is no
// finite number.
SheetCell NumberCell(const std::string& raw);
// A cell of the given kind showing `text`; empty when the text is.
SheetCell KindCell(CellKind kind, const std::string& text);
