#pragma once

#include <QComboBox>

#include <functional>

// A combo box that reads its items anew each time it opens, so that ports plugged in or
// out since the last look are seen.
class PortComboBox : public QComboBox {
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    std::function<void()> BeforeOpening;

    void showPopup() override;
};
