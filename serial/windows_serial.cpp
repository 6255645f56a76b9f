#include "serial/windows_serial.h"

#include <cstring>
#include <string>

#include "serial/com_names.h"
#include "serial/denied_port.h"
#include "serial/ecr_error.h"
#include "serial/port_devices.h"

namespace {

constexpr std::int32_t CtsFlowBit = 1;
constexpr std::int32_t LineModeMask = 3;
constexpr DWORD OneByte = 1;
constexpr int WaitForever = 0;
// Far above the longest reply the register sends (about a hundred bytes): a line that
// pours out bytes without the terminator (noise, a wrong device) must not hold the
// program for ever.
constexpr std::size_t MaxReplyBytes = 8192;

PortFault FaultOf(DWORD reason) {
    switch (reason) {
    case ERROR_ACCESS_DENIED:
        return DeniedPortFault;
    case ERROR_SHARING_VIOLATION:
        return PortFault::Busy;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return PortFault::Missing;
    default:
        return PortFault::Unknown;
    }
}

} // namespace

WindowsSerial::WindowsSerial(const PortSettings& settings) : SerialComm(settings) {}

WindowsSerial::~WindowsSerial() {
    Close();
}

ECRString WindowsSerial::DeviceName(int port) {
    return ECRString(DeviceNamespace) + ECRString(ComNamePrefix) + ECRString(port);
}

std::string WindowsSerial::OpenedName(int port) {
#ifdef _WIN32
    const std::string registered = RegisteredPortDevice(port);
    if (!registered.empty())
        return registered;
#endif
    return DeviceName(port).Text();
}

std::string WindowsSerial::DeviceShown(int port) {
#ifdef _WIN32
    std::string shown = OpenedName(port);
    const std::string prefix = DeviceNamespace;
    if (shown.compare(0, prefix.size(), prefix) == 0)
        shown.erase(0, prefix.size());
    return shown;
#else
    return DeviceForPortName(DeviceName(port).Text());
#endif
}

bool WindowsSerial::Open() {
    const std::string name = OpenedName(Settings.GetPort());
    HANDLE handle = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        throw ECRError(ErrorOpeningPort, FaultOf(GetLastError()));

    DCB line;
    std::memset(&line, 0, sizeof line);
    if (!GetCommState(handle, &line)) {
        CloseHandle(handle);
        throw ECRError(ErrorReadingSettings);
    }
    line.BaudRate = static_cast<DWORD>(Settings.GetBaudRate());
    line.ByteSize = static_cast<BYTE>(Settings.GetByteSize());
    line.Parity = static_cast<BYTE>(Settings.GetParity());
    line.StopBits = static_cast<BYTE>(Settings.GetStopBits());
    line.fOutxCtsFlow = static_cast<DWORD>(Settings.GetHandshake() & CtsFlowBit);
    line.fRtsControl = static_cast<DWORD>(Settings.GetHandshake() & LineModeMask);
    line.fDtrControl = static_cast<DWORD>(Settings.GetDtrControl() & LineModeMask);
    if (!SetCommState(handle, &line)) {
        CloseHandle(handle);
        throw ECRError(ErrorApplyingSettings);
    }
    LineSettings = line;
    Port = handle;
    return true;
}

bool WindowsSerial::Close() {
    if (Port == INVALID_HANDLE_VALUE)
        return false;
    const BOOL released = CloseHandle(Port);
    Port = INVALID_HANDLE_VALUE;
    return released != FALSE;
}

void WindowsSerial::ClearLineErrors() {
    // What the error was does not matter here: a reply it spoilt fails its frame check in
    // the protocol. Should clearing fail, so does the read or write that follows, and that
    // is where the failure is reported.
    DWORD errors = 0;
    (void)ClearCommError(Port, &errors, nullptr);
}

bool WindowsSerial::Write(const ECRString& text) {
    ClearLineErrors();
    DWORD written = 0;
    if (!WriteFile(Port, text.Text(), text.GetLength(), &written, nullptr))
        throw ECRError(ErrorWritingPort);
    return true;
}

bool WindowsSerial::SetReadTimeout(int timeoutMs) {
    if (!GetCommTimeouts(Port, &Timeouts))
        throw ECRError(ErrorReadingTimeout);
    Timeouts.ReadIntervalTimeout = 0;
    Timeouts.ReadTotalTimeoutMultiplier = 0;
    Timeouts.ReadTotalTimeoutConstant = static_cast<DWORD>(timeoutMs);
    Timeouts.WriteTotalTimeoutMultiplier = 0;
    Timeouts.WriteTotalTimeoutConstant = 0;
    if (!SetCommTimeouts(Port, &Timeouts))
        throw ECRError(ErrorApplyingTimeout);
    return true;
}

COMMTIMEOUTS WindowsSerial::PortTimeouts() const {
    COMMTIMEOUTS current{};
    if (!GetCommTimeouts(Port, &current))
        throw ECRError(ErrorReadingTimeout);
    return current;
}

ECRString WindowsSerial::ReadPiece() {
    DWORD received = 0;
    ReceiveCell[0] = 0;
    if (!ReadFile(Port, ReceiveCell, OneByte, &received, nullptr) || received == 0)
        return ECRString();
    ReceiveCell[1] = 0;
    return ECRString(ReceiveCell); // empty when the byte was 0
}

ECRString WindowsSerial::Read(int count, int timeoutMs) {
    // The first byte is always attempted, whatever the count.
    return Collect(timeoutMs, [count](const std::string& received, unsigned char) {
        return static_cast<long long>(received.size()) >= count;
    });
}

ECRString WindowsSerial::ReadUntil(const char* terminator, int timeoutMs) {
    const unsigned char end = terminator ? static_cast<unsigned char>(terminator[0]) : 0;
    return Collect(timeoutMs, [end](const std::string& received, unsigned char last) {
        // Without a terminator a reply ends at the limit, seen by the caller as incomplete.
        return last == end || received.size() >= MaxReplyBytes;
    });
}

// Reads byte by byte until a read delivers nothing or `done` says so. The bytes are
// collected in a growing std::string and become the receive buffer once: appending byte
// by byte to a text that grows to its exact size each time would copy the whole reply
// for every byte.
ECRString WindowsSerial::Collect(int timeoutMs, const ReadDone& done) {
    ReceiveBuffer = ECRString();
    ClearLineErrors();
    SetReadTimeout(timeoutMs);
    std::string received;
    for (;;) {
        const ECRString piece = ReadPiece();
        if (piece.GetLength() == 0)
            break;
        received += piece.Text();
        if (done(received, piece.At(0)))
            break;
    }
    ReceiveBuffer = ECRString(received.c_str());
    SetReadTimeout(WaitForever);
    return ReceiveBuffer;
}

bool WindowsSerial::DiscardInput() {
    return PurgeComm(Port, PURGE_RXCLEAR) != FALSE;
}
