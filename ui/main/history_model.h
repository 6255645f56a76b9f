#pragma once

#include <QAbstractTableModel>

#include <vector>

#include "operations/history_entry.h"

// The grid's rows over the lines of the records, newest first: the till, then the record's
// columns. It holds pointers into a HistoryBook, so it is shown anew after every refresh.
class HistoryModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // The lines oldest first, as the book selects them.
    void Show(std::vector<const HistoryEntry*> lines);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const HistoryEntry& LineAt(int row) const { return *Lines[Lines.size() - 1 - row]; }

    std::vector<const HistoryEntry*> Lines;
};
