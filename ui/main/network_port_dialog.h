#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

// Asks for the address of a network converter; a malformed one is refused here, with the
// reason, and the dialog stays open.
class NetworkPortDialog : public QDialog {
    Q_OBJECT

public:
    explicit NetworkPortDialog(QWidget* parent = nullptr);
    QString Address() const;
    void accept() override;

    QLineEdit* EditAddress = nullptr;
    QLabel* LabelRefusal = nullptr;
};
