#pragma once

// The register's answer codes that the emulator gives.
namespace RegisterCode {
constexpr int Ok = 0;
constexpr int BadChecksum = 2;
constexpr int WrongParameterCount = 3;
constexpr int WrongParameter = 4;
constexpr int NotAllowedInThisMode = 9;
constexpr int NotProgrammed = 20;
constexpr int ZeroPrice = 52;
constexpr int WrongPassword = 104;
constexpr int NameNotUnique = 108;
constexpr int WrongLocation = 111;
constexpr int NoName = 115;
constexpr int BarcodeNotUnique = 122;
constexpr int Unavailable = 255;
} // namespace RegisterCode
