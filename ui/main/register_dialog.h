#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

#include "tills/till.h"

class QComboBox;
class QLabel;
class QLineEdit;

// Asks for a till to save: its name, port (the network item too), speed and password. A
// till the list cannot keep is refused here, with the reason, and the dialog stays open.
class RegisterDialog : public QDialog {
    Q_OBJECT

public:
    // `linkFolder`: where the port box finds stable adapter names, as the main window's.
    RegisterDialog(QWidget* parent, const QString& linkFolder);

    // Shows the till to change (its name must stay free of the names of `taken`).
    void SetTill(const Till& till, const QStringList& taken);
    // The till as the controls say; the fields the dialog does not show stay as SetTill gave.
    Till Result() const;
    void accept() override;

    // Asks for a converter's address when "Mrezni port..." is chosen (tests answer it).
    std::function<QString()> AskNetworkAddress;

    QLineEdit* EditRegisterName = nullptr;
    QComboBox* ComboBoxRegisterPort = nullptr;
    QComboBox* ComboBoxRegisterSpeed = nullptr;
    QLineEdit* EditRegisterPassword = nullptr;
    QLabel* LabelRegisterRefusal = nullptr;

private:
    void PortActivated(int item);
    void Refuse(const QString& reason);

    Till Edited;
    QStringList Taken;
    QString LinkFolder;
    QString PortBefore; // the item chosen before "Mrezni port...", for a cancel
};
