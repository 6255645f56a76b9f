#include "ui/main/registers_model.h"

#include <iterator>
#include <map>

namespace {

const char* const Headings[] = {"Kasa", "Port", "Brzina", "Ukljucena", "Stanje", "Poslednji rad"};

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

void RegistersModel::Show(const std::vector<Till>& tills) {
    std::map<std::string, RegisterRow> known;
    for (RegisterRow& row : Rows) {
        known[row.Saved.Name] = std::move(row);
    }
    beginResetModel();
    Rows.clear();
    for (const Till& till : tills) {
        RegisterRow row = std::move(known[till.Name]);
        row.Saved = till;
        Rows.push_back(std::move(row));
    }
    endResetModel();
}

void RegistersModel::SetState(int row, const QString& state) {
    Rows[static_cast<std::size_t>(row)].State = state;
    ChangedRow(row);
}

void RegistersModel::SetLastWork(int row, const QString& lastWork, bool failed) {
    RegisterRow& changed = Rows[static_cast<std::size_t>(row)];
    changed.LastWork = lastWork;
    changed.Failed = failed;
    ChangedRow(row);
}

void RegistersModel::SetDetails(int row, const QStringList& details) {
    Rows[static_cast<std::size_t>(row)].Details = details;
    ChangedRow(row);
}

void RegistersModel::ChangedRow(int row) {
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

int RegistersModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(Rows.size());
}

int RegistersModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(std::size(Headings));
}

QVariant RegistersModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return QVariant();
    }
    const RegisterRow& row = Row(index.row());
    if (index.column() == EnabledColumn) {
        return role == Qt::CheckStateRole
                   ? QVariant(row.Saved.Enabled ? Qt::Checked : Qt::Unchecked)
                   : QVariant();
    }
    if (role == Qt::ToolTipRole && index.column() == StateColumn) {
        return row.Details.join(QLatin1Char('\n')); // which articles a till refused, and why
    }
    if (role != Qt::DisplayRole) {
        return QVariant();
    }
    switch (index.column()) {
    case NameColumn:
        return Utf8(row.Saved.Name);
    case PortColumn:
        return Utf8(row.Saved.Port);
    case SpeedColumn:
        return row.Saved.Speed;
    case StateColumn:
        return row.State;
    case LastColumn:
        return row.LastWork;
    default:
        return QVariant();
    }
}

QVariant RegistersModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount()) {
        return QVariant();
    }
    return QString::fromLatin1(Headings[section]);
}

Qt::ItemFlags RegistersModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags shown = QAbstractTableModel::flags(index);
    return index.column() == EnabledColumn ? shown | Qt::ItemIsUserCheckable : shown;
}

bool RegistersModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != EnabledColumn || role != Qt::CheckStateRole) {
        return false;
    }
    const bool enabled = value.toInt() == Qt::Checked;
    Rows[static_cast<std::size_t>(index.row())].Saved.Enabled = enabled;
    ChangedRow(index.row());
    emit EnabledToggled(index.row(), enabled);
    return true;
}
