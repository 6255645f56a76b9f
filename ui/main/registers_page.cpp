#include "ui/main/registers_page.h"

#include <QBoxLayout>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QStyle>
#include <QTableView>

#include "ui/main/page_controls.h"
#include "ui/main/registers_model.h"

namespace {

constexpr int Margin = 8;
constexpr int GridTop = 16;
constexpr int Gap = 5;
constexpr int RowButtonWidth = 70; // the list's buttons in their row over the grid
constexpr int RowHeight = 18;
constexpr int GridMinimumHeight = 90;

QString Text(const char* latin) {
    return QString::fromLatin1(latin);
}

} // namespace

TRegistersPage::TRegistersPage(QWidget* parent) : QWidget(parent) {
    setObjectName(Text("TabRegisters"));
    ButtonAddRegister = MakeButton(this, "ButtonAddRegister", "Dodaj", "Dodaje kasu u spisak",
                                   QStyle::SP_FileDialogNewFolder, RowButtonWidth);
    ButtonEditRegister = MakeButton(this, "ButtonEditRegister", "Izmeni",
                                    "Menja ime, port, brzinu ili lozinku oznacene kase",
                                    QStyle::SP_FileDialogDetailedView, RowButtonWidth);
    ButtonRemoveRegister =
        MakeButton(this, "ButtonRemoveRegister", "Ukloni", "Uklanja oznacenu kasu iz spiska",
                   QStyle::SP_DialogDiscardButton, RowButtonWidth);
    ButtonCheckAll = MakeButton(this, "ButtonCheckAll", "Sve", "Ukljucuje sve kase",
                                QStyle::SP_DialogApplyButton, ButtonWidth);
    ButtonCheckNone = MakeButton(this, "ButtonCheckNone", "Nijedna", "Iskljucuje sve kase",
                                 QStyle::SP_DialogCancelButton, ButtonWidth);
    ButtonStatusAll = MakeButton(this, "ButtonStatusAll", "Status svih",
                                 "Proverava vezu sa svakom ukljucenom kasom i koliko artikala ima",
                                 QStyle::SP_MessageBoxInformation, ButtonWidth);
    ButtonSendChangesAll =
        MakeButton(this, "ButtonSendChangesAll", "Posalji izmene svima",
                   "Salje izmene iz liste na strani PC u sve ukljucene kase odjednom",
                   QStyle::SP_MediaSeekForward, ButtonWidth);
    ButtonRetryFailed =
        MakeButton(this, "ButtonRetryFailed", "Ponovi neuspele",
                   "Ponovo salje izmene ukljucenim kasama kojima poslednje slanje nije uspelo",
                   QStyle::SP_BrowserReload, ButtonWidth);
    GridRegisters = new QTableView(this);
    GridRegisters->setObjectName(Text("GridRegisters"));
    Rows = new RegistersModel(GridRegisters);
    GridRegisters->setModel(Rows);
    // Kasa, Port, Brzina, Ukljucena, Stanje; Poslednji rad takes the rest.
    SetUpListGrid(GridRegisters, {85, 70, 42, 62, 120}, RowHeight);
    GridRegisters->setMinimumHeight(GridMinimumHeight);

    // The column holds the work on the ticked tills, with the ticks' own buttons under it;
    // the list's buttons share a row over the grid. Both fit the window's starting width in
    // every style.
    auto* work = new QVBoxLayout;
    work->setSpacing(Gap);
    for (QPushButton* button : {ButtonStatusAll, ButtonSendChangesAll, ButtonRetryFailed}) {
        work->addWidget(button);
    }
    work->addWidget(MakeSeparator(this));
    work->addWidget(ButtonCheckAll);
    work->addWidget(ButtonCheckNone);
    work->addStretch();
    auto* list = new QHBoxLayout;
    list->setSpacing(Gap);
    for (QPushButton* button : {ButtonAddRegister, ButtonEditRegister, ButtonRemoveRegister}) {
        list->addWidget(button);
    }
    list->addStretch();
    auto* right = new QVBoxLayout;
    right->setSpacing(Gap);
    right->addLayout(list);
    right->addWidget(GridRegisters, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(Margin, GridTop, Margin, Margin);
    layout->setSpacing(Margin);
    layout->addLayout(work);
    layout->addLayout(right, 1);

    const auto update = [this] { UpdateButtons(ListLoaded); };
    connect(GridRegisters->selectionModel(), &QItemSelectionModel::selectionChanged, this, update);
    connect(Rows, &QAbstractItemModel::modelReset, this, update);
    connect(Rows, &QAbstractItemModel::dataChanged, this, update);
    UpdateButtons(false);
}

int TRegistersPage::SelectedRow() const {
    const QModelIndexList chosen = GridRegisters->selectionModel()->selectedRows();
    return chosen.isEmpty() ? -1 : chosen.first().row();
}

void TRegistersPage::UpdateButtons(bool listLoaded) {
    ListLoaded = listLoaded;
    const int rows = Rows->rowCount();
    bool failed = false;
    for (int row = 0; row < rows; ++row) {
        failed = failed || (Rows->Row(row).Failed && Rows->Row(row).Saved.Enabled);
    }
    ButtonEditRegister->setEnabled(SelectedRow() >= 0);
    ButtonRemoveRegister->setEnabled(SelectedRow() >= 0);
    for (QPushButton* button : {ButtonCheckAll, ButtonCheckNone, ButtonStatusAll}) {
        button->setEnabled(rows > 0);
    }
    ButtonSendChangesAll->setEnabled(rows > 0 && listLoaded);
    ButtonRetryFailed->setEnabled(failed && listLoaded);
}
