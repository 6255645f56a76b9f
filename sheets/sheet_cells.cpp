#include "sheets/sheet_cells.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

bool IsEmptyRow(const SheetRow& row) {
    return std::all_of(row.Cells.begin(), row.Cells.end(), [](const SheetCell& cell) {
        return cell.Kind == CellKind::Empty || (cell.Kind == CellKind::Text && cell.Text.empty());
    });
}

void AppendCellText(std::string& text, const char* data, std::size_t size) {
    const std::size_t room = text.size() < MaxCellBytes ? MaxCellBytes - text.size() : 0;
    text.append(data, std::min(size, room));
}

SheetCell NumberCell(const std::string& raw) {
    double value = 0.0;
    const char* end = raw.data() + raw.size();
    const auto [stop, error] = std::from_chars(raw.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value)) {
        return KindCell(CellKind::Text, raw);
    }
    SheetCell cell;
    cell.Kind = CellKind::Number;
    cell.Text = raw;
    cell.Number = value;
    return cell;
}

SheetCell KindCell(CellKind kind, const std::string& text) {
    SheetCell cell;
    if (!text.empty()) {
        cell.Kind = kind;
        cell.Text = text;
    }
    return cell;
}
