#include "ui/main/network_ports.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>

#include "serial/network_address.h"

namespace {

const char* const AddressesFile = "/talonsendplu/network-ports.txt";
// Enough for the converters of one shop; older ones drop off the end.
constexpr int MostRemembered = 8;

QString AddressesPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QLatin1String(AddressesFile);
}

} // namespace

QStringList RememberedAddresses() {
    QFile file(AddressesPath());
    QStringList addresses;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return addresses; // none remembered yet
    }
    QTextStream lines(&file);
    while (!lines.atEnd() && addresses.size() < MostRemembered) {
        const QString line = lines.readLine().trimmed();
        // A line edited by hand into something else is passed over.
        if (ParseNetworkAddress(line.toStdString()) && !addresses.contains(line)) {
            addresses << line;
        }
    }
    return addresses;
}

bool RememberAddress(const QString& address) {
    QStringList addresses = RememberedAddresses();
    addresses.removeAll(address);
    addresses.prepend(address);
    const QString path = AddressesPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        return false;
    }
    QTextStream out(&file);
    for (const QString& kept : addresses.mid(0, MostRemembered)) {
        out << kept << '\n';
    }
    out.flush();
    return file.commit();
}
