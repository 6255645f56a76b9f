#include "ui/main/port_list.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QSerialPortInfo>

namespace {

QString DeviceKey(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}

} // namespace

QList<PortEntry> SystemPorts(const QString& linkFolder) {
    QMap<QString, PortEntry> byDevice;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString device = info.systemLocation();
        byDevice.insert(DeviceKey(device), PortEntry{device, info.description(), device});
    }
    // A link that leads nowhere is an adapter that has gone; it has no item.
    const QFileInfoList links =
        QDir(linkFolder).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& link : links) {
        const QString device = link.canonicalFilePath();
        if (!link.isSymLink() || device.isEmpty()) {
            continue;
        }
        auto known = byDevice.find(device);
        if (known == byDevice.end()) {
            known = byDevice.insert(device, PortEntry{device, link.fileName(), QString()});
        }
        known->Stable = link.absoluteFilePath();
    }
    return AdapterPorts(byDevice.values());
}
