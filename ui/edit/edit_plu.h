#pragma once

#include <QDialog>

#include <stdexcept>

#include "plu/talon_plu_item.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QString;

// A number typed into the dialog that is not a whole valid number; the message names
// the field and the text.
class EditConversionError : public std::runtime_error {
public:
    EditConversionError(const QString& field, const QString& text);
};

// The article edit dialog: shows one register article and takes the operator's changes.
class TEditPLU : public QDialog {
    Q_OBJECT

public:
    explicit TEditPLU(QWidget* parent = nullptr);

    // Copies the article into Item and shows it.
    void FillFrom(const TalonPLUItem& article);
    // Reads the editable controls back into Item; throws EditConversionError at the first
    // field whose text is not a valid number (the texts before it are already taken), and
    // for a record whose quantity or turnover is no finite number.
    TalonPLUItem* TakeEdits();

    QLineEdit* EditThisID = nullptr;
    QLineEdit* EditDescription = nullptr;
    QLineEdit* EditCode = nullptr;
    QLineEdit* EditPrice = nullptr;
    QLineEdit* EditTaxRate = nullptr;
    QLineEdit* EditDepartment = nullptr;
    QLineEdit* EditContainerNumber = nullptr;
    QCheckBox* CheckBoxPriceFixed = nullptr;
    QCheckBox* CheckBoxMaxPrice = nullptr;
    QCheckBox* CheckBoxMinPrice = nullptr;
    QLineEdit* EditMeasurementUnit = nullptr;
    QLineEdit* EditQuantitySold = nullptr;
    QLineEdit* EditTurnover = nullptr;
    QLineEdit* EditNextID = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

    TalonPLUItem Item;

private:
    void BuildControls();
    void BuildButtons();
    void SetKeyboardOrder();
    QLineEdit* AddEntry(int row, const char* label, const char* name, int width, bool editable);
    QCheckBox* AddCheckBox(int row, const char* label, const char* name);
    void PlaceRow(int row, const char* label, QWidget* control, int width);
};

extern TEditPLU* EditPLU;
