#include "ui/main/port_list.h"

#include <QDir>

#include <algorithm>

namespace {

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

bool EmulatorOffered() {
    return true;
}
