#include "ui/main/port_list.h"

#include <QComboBox>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <tuple>

#include "operations/till_target.h"
#include "serial/port_devices.h"

const char* const EmulatorItemText = "Emulator";
const char* const NetworkItemText = "Mrezni port...";
const char* const StableLinkFolder = "/dev/serial/by-id";

namespace {

// Marks the emulator's item, so a device path that happens to read "Emulator" is no
// emulator.
constexpr int EmulatorRole = Qt::UserRole + 1;
// What an item stands for, so a choice survives a new reading of the ports even when
// the item moves.
constexpr int IdentityRole = Qt::UserRole + 2;
const char* const EmulatorIdentity = "emulator";
const char* const NetworkDialogIdentity = "network";
// Marks an item that stands for a network address, so a device path never counts as one.
constexpr int AddressRole = Qt::UserRole + 3;
const char* const AdapterPrefixes[] = {"ttyUSB", "ttyACM"};
const QRegularExpression NameAndNumber(QStringLiteral("^(.*?)(\\d*)$"));

// USB adapters first in their fixed order, then every other kind by name; within a
// kind "ttyUSB10" after "ttyUSB9".
auto OrderKey(const PortEntry& port) {
    const QRegularExpressionMatch parts = NameAndNumber.match(QFileInfo(port.Device).fileName());
    const QString kind = parts.captured(1);
    const auto adapter = std::find_if(std::begin(AdapterPrefixes), std::end(AdapterPrefixes),
                                      [&kind](const char* prefix) { return kind == prefix; });
    const auto rank = static_cast<int>(adapter - std::begin(AdapterPrefixes));
    return std::make_tuple(rank, kind, parts.captured(2).toLongLong(), port.Device);
}

bool IsFixedDevice(const QString& device) {
    for (int port = 1; port <= FixedPortCount; ++port) {
        if (device.toStdString() == PortDevicePath(port)) {
            return true;
        }
    }
    return false;
}

QString Identity(const QComboBox* box, int index) {
    return index < 0 ? QString() : box->itemData(index, IdentityRole).toString();
}

void AddItem(QComboBox* box, const QString& text, const QString& identity) {
    box->addItem(text);
    box->setItemData(box->count() - 1, identity, IdentityRole);
}

} // namespace

QList<PortEntry> AdapterPorts(QList<PortEntry> found) {
    found.erase(std::remove_if(found.begin(), found.end(),
                               [](const PortEntry& port) { return IsFixedDevice(port.Device); }),
                found.end());
    std::sort(found.begin(), found.end(),
              [](const PortEntry& a, const PortEntry& b) { return OrderKey(a) < OrderKey(b); });
    return found;
}

QString PortItemText(const PortEntry& port) {
    return port.Description.isEmpty()
               ? port.Device
               : QStringLiteral("%1 (%2)").arg(port.Device, port.Description);
}

void FillPortBox(QComboBox* box, const QList<PortEntry>& ports, const QStringList& addresses) {
    const QString kept = Identity(box, box->currentIndex());
    const int itemsBefore = box->count();
    box->clear();
    for (int port = 1; port <= FixedPortCount; ++port) {
        AddItem(box, QString::number(port), QString::number(port));
    }
    for (const PortEntry& port : ports) {
        AddItem(box, PortItemText(port), port.Stable);
        RegisterPortDevice(box->count(), port.Stable.toStdString());
    }
    for (const QString& address : addresses) {
        AddItem(box, address, address);
        box->setItemData(box->count() - 1, true, AddressRole);
    }
    AddItem(box, QString::fromLatin1(NetworkItemText), QString::fromLatin1(NetworkDialogIdentity));
    AddItem(box, QString::fromLatin1(EmulatorItemText), QString::fromLatin1(EmulatorIdentity));
    box->setItemData(box->count() - 1, true, EmulatorRole);
    // Numbers that no adapter stands for any more lead nowhere; the emulator's item
    // registers its device when it connects.
    const int lastAdapterPort = FixedPortCount + static_cast<int>(ports.size());
    for (int port = lastAdapterPort + 1; port <= itemsBefore; ++port) {
        UnregisterPortDevice(port);
    }
    const int chosen = kept.isEmpty() ? -1 : box->findData(kept, IdentityRole);
    box->setCurrentIndex(chosen >= 0 ? chosen : 0);
}

bool IsEmulatorItem(const QComboBox* box, int index) {
    return index >= 0 && box->itemData(index, EmulatorRole).toBool();
}

std::optional<NetworkAddress> ItemAddress(const QComboBox* box, int index) {
    if (index < 0 || !box->itemData(index, AddressRole).toBool()) {
        return std::nullopt;
    }
    return ParseNetworkAddress(Identity(box, index).toStdString());
}

bool IsNetworkDialogItem(const QComboBox* box, int index) {
    return Identity(box, index) == QLatin1String(NetworkDialogIdentity);
}

QString ItemIdentity(const QComboBox* box, int index) {
    return Identity(box, index);
}

bool SelectItem(QComboBox* box, const QString& identity) {
    const int item = identity.isEmpty() ? -1 : box->findData(identity, IdentityRole);
    if (item >= 0) {
        box->setCurrentIndex(item);
    }
    return item >= 0;
}

void SelectSavedPort(QComboBox* box, const QString& port) {
    if (port.isEmpty() || SelectItem(box, port)) {
        return;
    }
    TillTarget aim;
    const PortKind kind = AimAtPort(aim, port.toStdString());
    if (kind == PortKind::Numbered && aim.Number <= FixedPortCount) {
        box->setCurrentIndex(aim.Number - 1); // "COM2" is the item "2"
        return;
    }
    if (kind == PortKind::Emulator && SelectItem(box, QString::fromLatin1(EmulatorIdentity))) {
        return;
    }
    const int network = box->findData(QString::fromLatin1(NetworkDialogIdentity), IdentityRole);
    const int item = network >= 0 ? network : box->count();
    box->insertItem(item, port);
    box->setItemData(item, port, IdentityRole);
    if (kind == PortKind::Network) {
        box->setItemData(item, true, AddressRole);
    } else if (kind != PortKind::Emulator) {
        // The item's number leads where the saved port does, as an adapter's item would.
        RegisterPortDevice(item + 1, PortDevicePath(aim.Number));
    }
    box->setCurrentIndex(item);
}
