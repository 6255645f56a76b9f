#include "ui/main/port_list.h"

#include <QComboBox>
#include <QDir>

#include <algorithm>

#include "serial/port_devices.h"

const char* const EmulatorItemText = "Emulator";

namespace {

// Marks the emulator's item, so a device path that happens to read "Emulator" is no
// emulator.
constexpr int EmulatorRole = Qt::UserRole + 1;

// "ttyUSB10" after "ttyUSB9": the digits after the prefix compare as a number.
QStringList SortedByNumber(QStringList names, const QString& prefix) {
    std::sort(names.begin(), names.end(), [&prefix](const QString& a, const QString& b) {
        return a.mid(prefix.size()).toInt() < b.mid(prefix.size()).toInt();
    });
    return names;
}

QStringList DevicesNamed(const QDir& folder, const QString& prefix) {
    const QStringList names =
        folder.entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::System);
    QStringList paths;
    for (const QString& name : SortedByNumber(names, prefix)) {
        paths << folder.filePath(name);
    }
    return paths;
}

} // namespace

QStringList SerialAdapters(const QString& deviceFolder) {
    const QDir folder(deviceFolder);
    return DevicesNamed(folder, QStringLiteral("ttyUSB")) +
           DevicesNamed(folder, QStringLiteral("ttyACM"));
}

void FillPortBox(QComboBox* box, const QStringList& adapters) {
    box->clear();
    for (int port = 1; port <= FixedPortCount; ++port) {
        box->addItem(QString::number(port));
    }
    for (const QString& device : adapters) {
        box->addItem(device);
        RegisterPortDevice(box->count(), device.toStdString());
    }
    box->addItem(QString::fromLatin1(EmulatorItemText));
    box->setItemData(box->count() - 1, true, EmulatorRole);
    box->setCurrentIndex(0);
}

bool IsEmulatorItem(const QComboBox* box, int index) {
    return index >= 0 && box->itemData(index, EmulatorRole).toBool();
}
