#pragma once

// How Windows names a COM port: "COM" and its number, as "COM7". Only with the device
// namespace before it ("\\.\COM10") does the name reach ports 10 and above.
constexpr char ComNamePrefix[] = "COM";
constexpr char DeviceNamespace[] = "\\\\.\\";
