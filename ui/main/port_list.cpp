#include "ui/main/port_list.h"

#include <QComboBox>

#include "serial/port_devices.h"

const char* const EmulatorItemText = "Emulator";

namespace {

// Marks the emulator's item, so a device path that happens to read "Emulator" is no
// emulator.
constexpr int EmulatorRole = Qt::UserRole + 1;

} // namespace

void FillPortBox(QComboBox* box, const QStringList& adapters) {
    box->clear();
    for (int port = 1; port <= FixedPortCount; ++port) {
        box->addItem(QString::number(port));
    }
    for (const QString& device : adapters) {
        box->addItem(device);
        RegisterPortDevice(box->count(), device.toStdString());
    }
    if (EmulatorOffered()) {
        box->addItem(QString::fromLatin1(EmulatorItemText));
        box->setItemData(box->count() - 1, true, EmulatorRole);
    }
    box->setCurrentIndex(0);
}

bool IsEmulatorItem(const QComboBox* box, int index) {
    return index >= 0 && box->itemData(index, EmulatorRole).toBool();
}
