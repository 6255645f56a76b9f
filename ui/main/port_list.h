#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

#include "serial/network_address.h"
#include "ui/main/network_ports.h"

class QComboBox;

// The port box: "1" to "4" (COM1 to COM4), then every other serial port the
// system lists (USB adapters first), the network addresses used before, "Mrezni port..."
// (which asks for a new one), then "Emulator". An item's port number is its position
// plus one, so the connect sequence needs no knowledge of the extra items.
constexpr int FixedPortCount = 4;
extern const char* const EmulatorItemText;
extern const char* const NetworkItemText;
// Where udev keeps a name for each USB serial adapter that survives a replug.
extern const char* const StableLinkFolder;

// One serial port the system offers.
struct PortEntry {
    QString Device;      // the kernel's device, e.g. /dev/ttyUSB0
    QString Description; // what the system calls it; may be empty
    QString Stable;      // the path to open: a link in the stable folder when one leads here
};

// The ports that get items of their own: the fixed items' devices left out, USB adapters
// (ttyUSB, then ttyACM) first, then the rest, numbers compared as numbers.
QList<PortEntry> AdapterPorts(QList<PortEntry> found);
// What the system lists right now (Qt Serial Port) and the links in linkFolder that lead
// to a device, each device once; on Windows the COM ports it maps.
QList<PortEntry> SystemPorts(const QString& linkFolder = QString::fromLatin1(StableLinkFolder));
// "/dev/ttyUSB0 (FT232R USB UART)", or the device alone without a description.
QString PortItemText(const PortEntry& port);
// Fills the box, registers each port's stable path for its item's port number and keeps
// the current choice when it is still there (the first item otherwise).
void FillPortBox(QComboBox* box, const QList<PortEntry>& ports = SystemPorts(),
                 const QStringList& addresses = RememberedAddresses());
// The network address an item stands for; nothing for the other items.
std::optional<NetworkAddress> ItemAddress(const QComboBox* box, int index);
// True for "Mrezni port...".
bool IsNetworkDialogItem(const QComboBox* box, int index);
// What an item stands for (the port number, the stable path, the address...), which
// stays when the box is filled anew; SelectItem chooses it again, false when it is gone.
QString ItemIdentity(const QComboBox* box, int index);
bool SelectItem(QComboBox* box, const QString& identity);
// Chooses the item that stands for a saved port as the command line takes it ("COM2",
// a device path, an address...), adding one before "Mrezni port..." for a port the box
// does not list now (an adapter unplugged), its number leading to that port.
void SelectSavedPort(QComboBox* box, const QString& port);
// True for the item that stands for the emulator.
bool IsEmulatorItem(const QComboBox* box, int index);
