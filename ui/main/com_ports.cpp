#include "ui/main/com_ports.h"

#include <QRegularExpression>

#include <algorithm>
#include <map>

#include "serial/com_names.h"

namespace {

const QRegularExpression ComName(QStringLiteral("^COM([1-9]\\d{0,2})$"),
                                 QRegularExpression::CaseInsensitiveOption);

// "USB Serial Port (COM7)" says "USB Serial Port": the port's name is in the item already.
QString Description(const QString& friendlyName, const QString& name) {
    const QString suffix = QStringLiteral(" (%1)").arg(name);
    QString description = friendlyName.trimmed();
    if (description.endsWith(suffix, Qt::CaseInsensitive)) {
        description.chop(suffix.size());
    }
    return description.compare(name, Qt::CaseInsensitive) == 0 ? QString() : description;
}

} // namespace

QList<PortEntry> ComPortEntries(const QList<ComPortName>& found) {
    std::map<int, PortEntry> byNumber;
    for (const ComPortName& port : found) {
        const QRegularExpressionMatch match = ComName.match(port.Name.trimmed());
        const int number = match.hasMatch() ? match.captured(1).toInt() : 0;
        if (number <= FixedPortCount) {
            continue;
        }
        const QString name = QStringLiteral("COM%1").arg(number);
        PortEntry& entry = byNumber[number];
        entry.Device = name;
        entry.Stable = QString::fromLatin1(DeviceNamespace) + name;
        if (entry.Description.isEmpty()) {
            entry.Description = Description(port.FriendlyName, name);
        }
    }
    QList<PortEntry> entries;
    for (const auto& numbered : byNumber) {
        entries.append(numbered.second);
    }
    return entries;
}
