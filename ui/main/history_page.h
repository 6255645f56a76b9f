#pragma once

#include <QWidget>

#include <memory>

#include "operations/history_book.h"
#include "operations/history_filter.h"

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTableView;
class HistoryModel;

// The page "Istorija": the records of changes of every till in the records folder, newest
// first, filtered by till, day and a barcode or name, and the button that makes a
// nivelacija of what the filters keep. The records are read at the first refresh, not
// before: a window over a long record opens as quickly as any other.
class THistoryPage : public QWidget {
    Q_OBJECT

public:
    explicit THistoryPage(QWidget* parent = nullptr);
    ~THistoryPage() override;

    // Reads again the records that changed on disk (at first, all of the folder) and shows
    // what the filters keep.
    HistoryRefresh Refresh();
    // What the filters keep.
    HistoryFilter Filter() const;
    // The records as the last refresh read them; null before the first.
    const HistoryBook* Book() const { return Records.get(); }

    // --- controls, named as their objectName ---
    QPushButton* BitBtnNivelacija = nullptr;
    QComboBox* ComboBoxHistoryTill = nullptr; // "Sve kase", then each till
    QCheckBox* CheckBoxHistoryFrom = nullptr; // the "from" day bounds the lines
    QDateEdit* DateEditHistoryFrom = nullptr;
    QCheckBox* CheckBoxHistoryTo = nullptr;
    QDateEdit* DateEditHistoryTo = nullptr;
    QLineEdit* EditHistoryText = nullptr;
    QTableView* GridHistory = nullptr;

private:
    void BuildFilters(QBoxLayout* rows); // which records, then from and to which day
    void FillTills();
    void ShowFiltered();

    std::unique_ptr<HistoryBook> Records;
    HistoryModel* Model = nullptr;
};
