#include "ui/main/history_model.h"

#include "operations/till_name.h"

namespace {

const char* const TillHeading = "Kasa";
constexpr int TillColumn = 0;
constexpr int FirstRecordColumn = 1;

bool IsNumberField(int field) {
    return field == LocationField || field == OldPriceField || field == NewPriceField;
}

} // namespace

void HistoryModel::Show(std::vector<const HistoryEntry*> lines) {
    beginResetModel();
    Lines = std::move(lines);
    endResetModel();
}

int HistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(Lines.size());
}

int HistoryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FirstRecordColumn + HistoryFieldCount;
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return QVariant();
    }
    const int field = index.column() - FirstRecordColumn;
    if (role == Qt::TextAlignmentRole) {
        return IsNumberField(field) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    }
    if (role != Qt::DisplayRole) {
        return QVariant();
    }
    const HistoryEntry& line = LineAt(index.row());
    return QString::fromStdString(index.column() == TillColumn ? TillDisplayName(line.Till)
                                                               : line.Fields[field]);
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount()) {
        return QVariant();
    }
    return QString::fromStdString(
        section == TillColumn ? TillHeading : HistoryColumnTitles()[section - FirstRecordColumn]);
}
