#pragma once

#include <functional>
#include <string>

#include "serial/comm.h"
#include "serial/win32_comm.h"

// The COM-port link, written against the Win32 communications calls.
class WindowsSerial : public SerialComm {
public:
    explicit WindowsSerial(const PortSettings& settings);
    ~WindowsSerial() override;
    WindowsSerial(const WindowsSerial&) = delete;
    WindowsSerial& operator=(const WindowsSerial&) = delete;

    bool Open() override;
    bool Close() override;
    bool Write(const ECRString& text) override;
    ECRString Read(int count, int timeoutMs) override;
    ECRString ReadUntil(const char* terminator, int timeoutMs) override;
    bool SetReadTimeout(int timeoutMs) override;
    bool DiscardInput() override;
    std::string Shown() const override { return DeviceShown(Settings.GetPort()); }

    // "\\.\COM" followed by the port number, for every number: Windows finds "COM1" to
    // "COM9" without the device-namespace prefix, but refuses "COM10" and above.
    static ECRString DeviceName(int port);
    // What Open hands the system for the port: on Windows the device registered for the
    // number (a COM port the port box lists after its fixed items) or else DeviceName;
    // elsewhere DeviceName, which the termios layer resolves itself.
    static std::string OpenedName(int port);
    // The device a user knows the port by: "COMn" on Windows, the device file elsewhere.
    static std::string DeviceShown(int port);
    // The read and write time-outs the open port holds right now, as the driver reports
    // them; throws ECRError 4 when they cannot be read.
    COMMTIMEOUTS PortTimeouts() const;

private:
    // Told the bytes so far and the last one; true when the read is complete.
    using ReadDone = std::function<bool(const std::string& received, unsigned char last)>;
    ECRString Collect(int timeoutMs, const ReadDone& done);
    // One byte as a one-character text; empty on failure, time-out or a zero byte.
    ECRString ReadPiece();
    // After a line error a driver with abort-on-error refuses every read and write until
    // the error is cleared; this clears it.
    void ClearLineErrors();

    HANDLE Port = INVALID_HANDLE_VALUE;
    DCB LineSettings{};
    char ReceiveCell[2] = {0, 0};
    ECRString ReceiveBuffer;
    COMMTIMEOUTS Timeouts{};
};
