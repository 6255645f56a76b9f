#include "ui/edit/edit_plu.h"

#include <QCheckBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStyle>

#include <cmath>
#include <iterator>

#include "plu/file_decimals.h"
#include "text/c_numbers.h"
#include "ui/common/text_convert.h"
#include "ui/edit/strict_numbers.h"

TEditPLU* EditPLU = nullptr;

namespace {

const QString Caption = QStringLiteral("Promena PLU");
const QString OKCaption = QStringLiteral("Potvrdi");
const QString OKHint = QStringLiteral("Potvrdi promene plu i posalji na Talon");
const QString CancelCaption = QStringLiteral("Odustani");
const QString CancelHint = QStringLiteral("Odustani od promene plu i sacuvaj prethodnu verziju");
const QString BadNumber = QStringLiteral("Neispravan broj u polju %1: \"%2\"");

constexpr int ClientWidth = 219;
constexpr int ClientHeight = 394;
constexpr int FontPixels = 11;
constexpr int Margin = 8;
constexpr int RowPitch = 24;
constexpr int ControlLeft = 88;
constexpr int ControlHeight = 21;
constexpr int LabelWidth = ControlLeft - Margin;
constexpr int ShortWidth = 65;
constexpr int LongWidth = 121;
constexpr int CheckWidth = 97;
constexpr int RowCount = 14;
constexpr int ButtonWidth = 97;
constexpr int ButtonHeight = 25;
constexpr int ButtonGap = 9;

QString Fixed(double value, int decimals) {
    return QString::fromStdString(FormatFixed(value, decimals));
}

std::int32_t ReadInteger(const char* field, const QLineEdit* edit) {
    std::int32_t value = 0;
    if (!ParseStrictInteger(edit->text(), value)) {
        throw EditConversionError(QString::fromLatin1(field), edit->text());
    }
    return value;
}

double ReadDecimal(const char* field, const QLineEdit* edit) {
    double value = 0.0;
    if (!ParseStrictDecimal(edit->text(), QLocale::system().decimalPoint(), value)) {
        throw EditConversionError(QString::fromLatin1(field), edit->text());
    }
    return value;
}

// A counter the dialog shows but does not take back: one that is no finite number (only
// a broken register reply gives one) makes the whole record unfit to send.
void RequireFinite(const char* field, const QLineEdit* edit, double value) {
    if (!std::isfinite(value)) {
        throw EditConversionError(QString::fromLatin1(field), edit->text());
    }
}

} // namespace

EditConversionError::EditConversionError(const QString& field, const QString& text)
    : std::runtime_error(BadNumber.arg(field, text).toStdString()) {}

TEditPLU::TEditPLU(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("EditPLU"));
    setWindowTitle(Caption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    setFixedSize(ClientWidth, ClientHeight);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(FontPixels);
    setFont(font);
    BuildControls();
    BuildButtons();
    SetKeyboardOrder();
}

void TEditPLU::BuildControls() {
    EditThisID = AddEntry(1, "ThisID", "EditThisID", ShortWidth, false);
    EditDescription = AddEntry(2, "Description", "EditDescription", LongWidth, true);
    EditCode = AddEntry(3, "Code", "EditCode", LongWidth, true);
    EditPrice = AddEntry(4, "Price", "EditPrice", LongWidth, true);
    EditTaxRate = AddEntry(5, "TaxRate", "EditTaxRate", ShortWidth, true);
    EditDepartment = AddEntry(6, "Department", "EditDepartment", ShortWidth, true);
    EditContainerNumber = AddEntry(7, "Container", "EditContainerNumber", ShortWidth, true);
    CheckBoxPriceFixed = AddCheckBox(8, "PriceFixed", "CheckBoxPriceFixed");
    CheckBoxMaxPrice = AddCheckBox(9, "MaxPrice", "CheckBoxMaxPrice");
    CheckBoxMinPrice = AddCheckBox(10, "MinPrice", "CheckBoxMinPrice");
    EditMeasurementUnit = AddEntry(11, "Measurement", "EditMeasurementUnit", LongWidth, true);
    EditQuantitySold = AddEntry(12, "QuantitySold", "EditQuantitySold", LongWidth, false);
    EditTurnover = AddEntry(13, "Turnover", "EditTurnover", LongWidth, false);
    EditNextID = AddEntry(14, "NextID", "EditNextID", ShortWidth, false);
}

void TEditPLU::BuildButtons() {
    const int top = Margin + RowCount * RowPitch + Margin;
    OKBtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), OKCaption, this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setToolTip(OKHint);
    OKBtn->setDefault(true);
    OKBtn->setGeometry(Margin, top, ButtonWidth, ButtonHeight);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

    CancelBtn =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), CancelCaption, this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setToolTip(CancelHint);
    CancelBtn->setGeometry(Margin + ButtonWidth + ButtonGap, top, ButtonWidth, ButtonHeight);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject); // Escape does the same
}

void TEditPLU::SetKeyboardOrder() {
    QWidget* const order[] = {
        EditThisID,         EditDescription,     EditCode,         EditPrice,           EditTaxRate,
        EditDepartment,     EditContainerNumber, EditQuantitySold, EditTurnover,        EditNextID,
        CheckBoxPriceFixed, CheckBoxMaxPrice,    CheckBoxMinPrice, EditMeasurementUnit, OKBtn,
        CancelBtn};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void TEditPLU::PlaceRow(int row, const char* label, QWidget* control, int width) {
    const int top = Margin + (row - 1) * RowPitch;
    auto* caption = new QLabel(QString::fromLatin1(label), this);
    caption->setGeometry(Margin, top, LabelWidth, ControlHeight);
    caption->setBuddy(control);
    control->setGeometry(ControlLeft, top, width, ControlHeight);
}

QLineEdit* TEditPLU::AddEntry(int row, const char* label, const char* name, int width,
                              bool editable) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setEnabled(editable);
    PlaceRow(row, label, edit, width);
    return edit;
}

QCheckBox* TEditPLU::AddCheckBox(int row, const char* label, const char* name) {
    auto* box = new QCheckBox(this);
    box->setObjectName(QString::fromLatin1(name));
    PlaceRow(row, label, box, CheckWidth);
    return box;
}

void TEditPLU::FillFrom(const TalonPLUItem& article) {
    Item = article;
    EditThisID->setText(QString::number(Item.GetThisID()));
    EditDescription->setText(ToQString(Item.GetDescription()));
    EditCode->setText(ToQString(Item.GetCode()));
    EditPrice->setText(Fixed(Item.GetPrice(), PriceDecimals));
    EditTaxRate->setText(QString::number(Item.GetTaxRate()));
    EditDepartment->setText(QString::number(Item.GetDepartment()));
    EditContainerNumber->setText(QString::number(Item.GetContainer()));
    CheckBoxPriceFixed->setChecked(Item.GetPriceFixed());
    CheckBoxMaxPrice->setChecked(Item.GetMaxPrice());
    CheckBoxMinPrice->setChecked(Item.GetMinPrice());
    EditMeasurementUnit->setText(QString::number(Item.GetMeasurement()));
    EditQuantitySold->setText(Fixed(Item.GetQuantitySold(), QuantityDecimals));
    EditTurnover->setText(Fixed(Item.GetTurnover(), TurnoverDecimals));
    EditNextID->setText(QString::number(Item.GetNextID()));
    EditDescription->setFocus(); // the first control the operator may change
}

TalonPLUItem* TEditPLU::TakeEdits() {
    Item.SetDescription(ToECRString(EditDescription->text()));
    Item.SetCode(ToECRString(EditCode->text()));
    Item.SetPrice(ReadDecimal("Price", EditPrice));
    Item.SetTaxRate(ReadInteger("TaxRate", EditTaxRate));
    Item.SetDepartment(ReadInteger("Department", EditDepartment));
    Item.SetContainer(ReadInteger("Container", EditContainerNumber));
    Item.SetPriceFixed(CheckBoxPriceFixed->isChecked());
    Item.SetMaxPrice(CheckBoxMaxPrice->isChecked());
    Item.SetMinPrice(CheckBoxMinPrice->isChecked());
    Item.SetMeasurement(ReadInteger("Measurement", EditMeasurementUnit));
    RequireFinite("QuantitySold", EditQuantitySold, Item.GetQuantitySold());
    RequireFinite("Turnover", EditTurnover, Item.GetTurnover());
    return &Item;
}
