#include "ui/main/history_page.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableView>

#include <algorithm>

#include "operations/till_name.h"
#include "ui/main/history_model.h"
#include "ui/main/image_folder.h"
#include "ui/main/page_controls.h"

namespace {

const char* const AllTills = "Sve kase";
const char* const DateFormat = "yyyy-MM-dd";
constexpr int Margin = 8;
constexpr int GridTop = 16;
constexpr int Gap = 5;
constexpr int RowHeight = 16;
constexpr int TillBoxWidth = 100;
constexpr int TextWidth = 120;

QString Text(const char* latin) {
    return QString::fromLatin1(latin);
}

template <typename Control> Control* Named(Control* control, const char* name, const char* hint) {
    control->setObjectName(Text(name));
    control->setToolTip(Text(hint));
    return control;
}

} // namespace

THistoryPage::THistoryPage(QWidget* parent) : QWidget(parent) {
    setObjectName(Text("TabHistory"));
    BitBtnNivelacija = Named(new QPushButton(Text("Nivelacija..."), this), "BitBtnNivelacija",
                             "Snima nivelaciju cena za izmene koje filteri prikazuju");
    BitBtnNivelacija->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    BitBtnNivelacija->setMinimumSize(ButtonWidth, ButtonHeight);
    BitBtnNivelacija->setEnabled(false); // until the records are read
    GridHistory = Named(new QTableView(this), "GridHistory", "");
    Model = new HistoryModel(GridHistory);
    GridHistory->setModel(Model);
    // Kasa, Vreme, Operacija, Lokacija, Barkod, Naziv, Stara cena, Nova cena, Ostale izmene.
    SetUpListGrid(GridHistory, {75, 128, 62, 55, 105, 135, 70, 70, 200}, RowHeight);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(BitBtnNivelacija);
    buttons->addStretch();
    // Two rows, so that the page fits the window's starting width in every style.
    auto* filters = new QVBoxLayout;
    filters->setSpacing(Gap);
    BuildFilters(filters);
    auto* right = new QVBoxLayout;
    right->setSpacing(Gap);
    right->addLayout(filters);
    right->addWidget(GridHistory, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(Margin, GridTop, Margin, Margin);
    layout->setSpacing(Margin);
    layout->addLayout(buttons);
    layout->addLayout(right, 1);
}

THistoryPage::~THistoryPage() = default;

void THistoryPage::BuildFilters(QBoxLayout* rows) {
    ComboBoxHistoryTill =
        Named(new QComboBox(this), "ComboBoxHistoryTill", "Izmene jedne kase ili svih kasa");
    ComboBoxHistoryTill->addItem(Text(AllTills), QString());
    ComboBoxHistoryTill->setMinimumWidth(TillBoxWidth);
    const auto day = [this](QCheckBox*& check, QDateEdit*& date, const char* caption,
                            const char* checkName, const char* dateName, const char* hint) {
        check = Named(new QCheckBox(Text(caption), this), checkName, hint);
        date = Named(new QDateEdit(QDate::currentDate(), this), dateName, hint);
        date->setDisplayFormat(Text(DateFormat));
        date->setCalendarPopup(true);
        date->setEnabled(false);
        connect(check, &QCheckBox::toggled, date, &QWidget::setEnabled);
        connect(check, &QCheckBox::toggled, this, &THistoryPage::ShowFiltered);
        connect(date, &QDateEdit::dateChanged, this, &THistoryPage::ShowFiltered);
    };
    day(CheckBoxHistoryFrom, DateEditHistoryFrom, "Od", "CheckBoxHistoryFrom",
        "DateEditHistoryFrom", "Samo izmene od tog dana");
    day(CheckBoxHistoryTo, DateEditHistoryTo, "Do", "CheckBoxHistoryTo", "DateEditHistoryTo",
        "Samo izmene do tog dana, i tog dana");
    EditHistoryText = Named(new QLineEdit(this), "EditHistoryText",
                            "Samo izmene artikala ciji barkod ili naziv sadrzi ovaj tekst");
    EditHistoryText->setPlaceholderText(Text("Barkod ili naziv"));
    EditHistoryText->setClearButtonEnabled(true);
    EditHistoryText->setMinimumWidth(TextWidth);
    auto* which = new QHBoxLayout;
    which->setSpacing(Gap);
    which->addWidget(ComboBoxHistoryTill);
    which->addWidget(EditHistoryText, 1);
    auto* when = new QHBoxLayout;
    when->setSpacing(Gap);
    for (QWidget* control :
         {static_cast<QWidget*>(CheckBoxHistoryFrom), static_cast<QWidget*>(DateEditHistoryFrom),
          static_cast<QWidget*>(CheckBoxHistoryTo), static_cast<QWidget*>(DateEditHistoryTo)}) {
        when->addWidget(control);
    }
    when->addStretch();
    rows->addLayout(which);
    rows->addLayout(when);
    connect(ComboBoxHistoryTill, &QComboBox::currentIndexChanged, this,
            &THistoryPage::ShowFiltered);
    connect(EditHistoryText, &QLineEdit::textChanged, this, &THistoryPage::ShowFiltered);
}

HistoryRefresh THistoryPage::Refresh() {
    if (!Records) {
        Records = std::make_unique<HistoryBook>(WindowImageFolder());
    }
    const HistoryRefresh refresh = Records->Refresh();
    BitBtnNivelacija->setEnabled(true);
    if (refresh.Changed) {
        FillTills();
        ShowFiltered();
    }
    return refresh;
}

HistoryFilter THistoryPage::Filter() const {
    HistoryFilter filter;
    filter.Till = ComboBoxHistoryTill->currentData().toString().toStdString();
    if (CheckBoxHistoryFrom->isChecked()) {
        filter.Since = DateEditHistoryFrom->date().toString(Qt::ISODate).toStdString();
    }
    if (CheckBoxHistoryTo->isChecked()) {
        filter.Until = DateEditHistoryTo->date().toString(Qt::ISODate).toStdString();
    }
    filter.Text = EditHistoryText->text().toStdString();
    return filter;
}

// The tills of the records, the one chosen staying chosen while it has a record.
void THistoryPage::FillTills() {
    const QString chosen = ComboBoxHistoryTill->currentData().toString();
    const QSignalBlocker quiet(ComboBoxHistoryTill);
    while (ComboBoxHistoryTill->count() > 1) {
        ComboBoxHistoryTill->removeItem(1);
    }
    for (const std::string& till : Records->Tills()) {
        ComboBoxHistoryTill->addItem(QString::fromStdString(TillDisplayName(till)),
                                     QString::fromStdString(till));
    }
    ComboBoxHistoryTill->setCurrentIndex(std::max(0, ComboBoxHistoryTill->findData(chosen)));
}

void THistoryPage::ShowFiltered() {
    if (Records) {
        Model->Show(Records->Select(Filter()));
    }
}
