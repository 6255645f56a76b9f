#pragma once

#include <QString>
#include <QStringList>

class QComboBox;

// The port box: "1" to "4" (COM1 to COM4); on Linux then every USB serial adapter
// present, shown by its device path, and "Emulator". An item's port number is its
// position plus one, so the connect sequence needs no knowledge of the extra items.
constexpr int FixedPortCount = 4;
extern const char* const EmulatorItemText;

// The USB serial adapters in a device folder (ttyUSB*, then ttyACM*), in numeric order;
// none on Windows, where adapters are COM ports like the others.
QStringList SerialAdapters(const QString& deviceFolder = QStringLiteral("/dev"));
// Whether the box offers the emulator: only where it runs (Linux).
bool EmulatorOffered();
// Fills the box and registers each adapter's device for its item's port number.
void FillPortBox(QComboBox* box, const QStringList& adapters = SerialAdapters());
// True for the item that stands for the emulator.
bool IsEmulatorItem(const QComboBox* box, int index);
