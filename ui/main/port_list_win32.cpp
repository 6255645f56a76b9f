#include "ui/main/port_list.h"

#include "text/windows_api.h"
// After windows.h: the device class GUIDs are defined here, not only declared.
#include <initguid.h>

#include <devguid.h>
#include <setupapi.h>

#include <QMap>

#include <array>

#include "ui/main/com_ports.h"

// On Windows the port box lists, after COM1 to COM4, every other COM port the system has
// (the serial ports Windows maps in HARDWARE\DEVICEMAP\SERIALCOMM), named as Device
// Manager names the device where it can.

namespace {

const wchar_t* const SerialCommKey = L"HARDWARE\\DEVICEMAP\\SERIALCOMM";
const wchar_t* const PortNameValue = L"PortName";
constexpr DWORD LongestName = 256;

QString FromWide(const wchar_t* text) {
    return QString::fromWCharArray(text);
}

// The COM names the system maps right now; none when the key cannot be read (no serial
// port at all leaves it out).
QStringList MappedComNames() {
    QStringList names;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, SerialCommKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return names;
    }
    for (DWORD index = 0;; ++index) {
        std::array<wchar_t, LongestName> valueName{};
        std::array<wchar_t, LongestName> data{};
        DWORD nameLength = LongestName;
        DWORD dataBytes = (LongestName - 1) * sizeof(wchar_t); // keeps the last one a zero
        DWORD type = 0;
        const LONG result = RegEnumValueW(key, index, valueName.data(), &nameLength, nullptr, &type,
                                          reinterpret_cast<BYTE*>(data.data()), &dataBytes);
        if (result == ERROR_NO_MORE_ITEMS) {
            break;
        }
        if (result == ERROR_SUCCESS && type == REG_SZ) {
            names << FromWide(data.data());
        }
    }
    RegCloseKey(key);
    return names;
}

QString DevicePortName(HDEVINFO devices, SP_DEVINFO_DATA& device) {
    HKEY key = SetupDiOpenDevRegKey(devices, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    if (key == INVALID_HANDLE_VALUE) {
        return QString();
    }
    std::array<wchar_t, LongestName> name{};
    DWORD bytes = (LongestName - 1) * sizeof(wchar_t);
    DWORD type = 0;
    const LONG result = RegQueryValueExW(key, PortNameValue, nullptr, &type,
                                         reinterpret_cast<BYTE*>(name.data()), &bytes);
    RegCloseKey(key);
    return result == ERROR_SUCCESS && type == REG_SZ ? FromWide(name.data()) : QString();
}

QString FriendlyName(HDEVINFO devices, SP_DEVINFO_DATA& device) {
    std::array<wchar_t, LongestName> name{};
    if (!SetupDiGetDeviceRegistryPropertyW(devices, &device, SPDRP_FRIENDLYNAME, nullptr,
                                           reinterpret_cast<BYTE*>(name.data()),
                                           (LongestName - 1) * sizeof(wchar_t), nullptr)) {
        return QString();
    }
    return FromWide(name.data());
}

// Device Manager's names of the present ports, by COM name; a system that cannot tell
// them just gives the ports without names.
QMap<QString, QString> FriendlyNames() {
    QMap<QString, QString> names;
    HDEVINFO devices = SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (devices == INVALID_HANDLE_VALUE) {
        return names;
    }
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD index = 0; SetupDiEnumDeviceInfo(devices, index, &device); ++index) {
        const QString port = DevicePortName(devices, device);
        if (!port.isEmpty()) {
            names.insert(port.toUpper(), FriendlyName(devices, device));
        }
    }
    SetupDiDestroyDeviceInfoList(devices);
    return names;
}

} // namespace

QList<PortEntry> SystemPorts(const QString& /*linkFolder*/) {
    const QMap<QString, QString> friendly = FriendlyNames();
    QList<ComPortName> found;
    for (const QString& name : MappedComNames()) {
        found.append(ComPortName{name, friendly.value(name.trimmed().toUpper())});
    }
    return ComPortEntries(found);
}
