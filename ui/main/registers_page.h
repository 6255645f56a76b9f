#pragma once

#include <QWidget>

class QPushButton;
class QTableView;
class RegistersModel;

// The page "Kase": the saved tills in a grid with a check box each, the buttons that keep
// the list over it, and on the left those that work on every ticked till at once and
// those that tick them.
class TRegistersPage : public QWidget {
    Q_OBJECT

public:
    explicit TRegistersPage(QWidget* parent = nullptr);

    RegistersModel& Model() const { return *Rows; }
    // The grid row the user chose; -1 when none is.
    int SelectedRow() const;
    // The buttons that make sense now: a till to change or remove, tills to work on, a
    // PC list to send (`listLoaded`), failed tills to try again.
    void UpdateButtons(bool listLoaded);

    // --- controls, named as their objectName ---
    QPushButton* ButtonAddRegister = nullptr;
    QPushButton* ButtonEditRegister = nullptr;
    QPushButton* ButtonRemoveRegister = nullptr;
    QPushButton* ButtonCheckAll = nullptr;
    QPushButton* ButtonCheckNone = nullptr;
    QPushButton* ButtonStatusAll = nullptr;
    QPushButton* ButtonSendChangesAll = nullptr;
    QPushButton* ButtonRetryFailed = nullptr;
    QTableView* GridRegisters = nullptr;

private:
    RegistersModel* Rows = nullptr;
    bool ListLoaded = false;
};
