#include "ui/main/port_combo_box.h"

void PortComboBox::showPopup() {
    if (BeforeOpening) {
        BeforeOpening();
    }
    QComboBox::showPopup();
}
