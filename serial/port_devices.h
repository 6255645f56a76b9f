#pragma once

#include <string>

// Where "COMn" leads on this system. By default COMn is /dev/ttyS(n-1); a device path
// can be registered for a port number (USB adapters, the emulator's pseudo-terminal).
void RegisterPortDevice(int port, const std::string& devicePath);
void UnregisterPortDevice(int port);
std::string PortDevicePath(int port);
// The device registered for the port number; empty when none is.
std::string RegisteredPortDevice(int port);
// The device behind a name such as "COM10" or "\\.\COM10"; any other name is taken as a
// path.
std::string DeviceForPortName(const std::string& name);
