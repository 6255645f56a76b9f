#pragma once

#include <QList>
#include <QString>

#include "ui/main/port_list.h"

// What Windows tells of one COM port: its name ("COM7") and the friendly name of the
// device behind it, which carries the name at its end ("USB Serial Port (COM7)").
struct ComPortName {
    QString Name;
    QString FriendlyName; // may be empty
};

// The COM ports the port box lists after its fixed items: COM1 to COM4 and names that
// are not COMn left out, each port once, in the order of their numbers. Each opens
// through the device namespace (\\.\COM10), which every number needs from COM10 up.
QList<PortEntry> ComPortEntries(const QList<ComPortName>& found);
