#pragma once

#include <cstdint>
#include <memory>
#include <string>

// How a cell, or a column's cells, show their value.
enum class CellFormat {
    General,     // as the spreadsheet shows it of itself
    Text,        // as text, even when it looks like a number: leading zeros stay
    TwoDecimals, // a number with two decimals
};

// An Excel workbook (.xlsx) written with libxlsxwriter in a scratch folder, and put in
// place only when complete, as ReplaceFileContent puts a file. Every call's outcome is
// kept; the first failure stands, and Save reports it.
class WorkbookWriter {
public:
    using Row = std::uint32_t;    // from 0
    using Column = std::uint16_t; // from 0

    WorkbookWriter();
    ~WorkbookWriter();
    WorkbookWriter(const WorkbookWriter&) = delete;
    WorkbookWriter& operator=(const WorkbookWriter&) = delete;

    // A new worksheet so named (UTF-8); the calls that follow write to it.
    void AddSheet(const std::string& name);
    // The width of a column, in characters, and the format of its cells.
    void SetColumn(Column column, double width, CellFormat format = CellFormat::General);
    // A text cell (UTF-8).
    void Text(Row row, Column column, const std::string& text,
              CellFormat format = CellFormat::General);
    void Number(Row row, Column column, double value, CellFormat format = CellFormat::General);
    // A formula such as "=B2*C2"; the spreadsheet works out its value on opening.
    void Formula(Row row, Column column, const std::string& formula,
                 CellFormat format = CellFormat::General);
    // The same with the value it works out to, for the readers that only show that.
    void Formula(Row row, Column column, const std::string& formula, double value,
                 CellFormat format = CellFormat::General);
    // The rows above `row` stay in view while the sheet scrolls.
    void FreezeRowsAbove(Row row);
    // Closes the workbook and puts it at `path` (a path as text/file_path.h keeps it);
    // false when anything failed, leaving any earlier file untouched. Once only.
    bool Save(const std::string& path);

private:
    struct Book;
    std::unique_ptr<Book> B;
};
