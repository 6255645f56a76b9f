#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>

#include <vector>

#include "tills/till.h"

// One saved till in the grid, with what the window last learned of it in this session.
struct RegisterRow {
    Till Saved;
    QString State;       // the connection and article count, a run's progress, its result
    QString LastWork;    // when the last operation ended and how
    bool Failed = false; // the last sending of changes did not bring it up to date
    QStringList Details; // every line the last operation logged, shown as Stanje's hint
};

// The grid of the page "Kase": Kasa, Port, Brzina, Ukljucena (a check box the user ticks),
// Stanje, Poslednji rad.
class RegistersModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { NameColumn, PortColumn, SpeedColumn, EnabledColumn, StateColumn, LastColumn };

    using QAbstractTableModel::QAbstractTableModel;

    // The tills as saved now; a till still saved under its name keeps what the session
    // learned of it.
    void Show(const std::vector<Till>& tills);
    const RegisterRow& Row(int row) const { return Rows[static_cast<std::size_t>(row)]; }
    void SetState(int row, const QString& state);
    void SetLastWork(int row, const QString& lastWork, bool failed);
    void SetDetails(int row, const QStringList& details);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A tick of the check box: told to the window, which saves it and shows the list anew.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    void EnabledToggled(int row, bool enabled);

private:
    void ChangedRow(int row);

    std::vector<RegisterRow> Rows;
};
