// The Win32 communications calls the serial link needs, on termios. Only the members
// and flags that the link uses are honoured.

#include "serial/win32_comm.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include "serial/port_devices.h"

namespace {

// What a HANDLE points to.
struct PortHandle {
    int Fd;
    COMMTIMEOUTS Timeouts;
    DCB Line;
};

constexpr int NoTimeLimit = -1; // poll's "wait for ever"

struct SpeedEntry {
    DWORD Rate;
    speed_t Code;
};

constexpr SpeedEntry Speeds[] = {
    {50, B50},         {75, B75},         {110, B110},       {134, B134},     {150, B150},
    {200, B200},       {300, B300},       {600, B600},       {1200, B1200},   {1800, B1800},
    {2400, B2400},     {4800, B4800},     {9600, B9600},     {19200, B19200}, {38400, B38400},
    {57600, B57600},   {115200, B115200}, {230400, B230400},
#ifdef B460800
    {460800, B460800},
#endif
#ifdef B921600
    {921600, B921600},
#endif
};

constexpr struct {
    BYTE Bits;
    tcflag_t Flag;
} ByteSizes[] = {{5, CS5}, {6, CS6}, {7, CS7}, {8, CS8}};

thread_local DWORD LastError = 0;

// The one place where errno becomes a Win32 reason.
DWORD Win32Reason(int error) {
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case ENOTDIR:
    // A device file that is there but is no usable serial port: a board without that
    // UART answers EIO, anything that is not a terminal ENOTTY.
    case EIO:
    case ENOTTY:
        return ERROR_FILE_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EROFS:
        return ERROR_ACCESS_DENIED;
    case EBUSY:
    case EWOULDBLOCK:
        return ERROR_SHARING_VIOLATION; // held by another program
    default:
        return ERROR_GEN_FAILURE;
    }
}

// Keeps the reason of a failure for GetLastError; errno stays as it was.
void NoteFailure() {
    LastError = Win32Reason(errno);
}

// The one place where a failed system call (errno set, result below 0) becomes the
// Win32 FALSE, its reason kept for GetLastError.
BOOL Result(long systemResult) {
    if (systemResult >= 0)
        return TRUE;
    NoteFailure();
    return FALSE;
}

PortHandle* Port(HANDLE handle) {
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
        errno = EBADF;
        return nullptr;
    }
    return static_cast<PortHandle*>(handle);
}

// Modem-line calls that a line without modem lines (a pseudo-terminal) refuses.
bool RefusedByLine(int error) {
    return error == ENOTTY || error == EINVAL;
}

long SetModemLine(int fd, int line, bool on) {
    if (ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &line) == 0)
        return 0;
    return RefusedByLine(errno) ? 0 : -1;
}

using Clock = std::chrono::steady_clock;

// Milliseconds left until deadline for poll, or NoTimeLimit without a deadline.
int MillisecondsLeft(bool limited, Clock::time_point deadline) {
    if (!limited)
        return NoTimeLimit;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0)
        return 0;
    return left > INT_MAX ? INT_MAX : static_cast<int>(left);
}

// Waits until fd is ready for events; 1 ready, 0 time-out, -1 error or hang-up.
int WaitFor(int fd, short events, bool limited, Clock::time_point deadline) {
    for (;;) {
        pollfd p{fd, events, 0};
        const int r = poll(&p, 1, MillisecondsLeft(limited, deadline));
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            return r;
        if (p.revents & events)
            return 1;
        errno = EIO; // the far side is gone, or the descriptor went bad
        return -1;
    }
}

Clock::time_point Deadline(DWORD multiplier, DWORD constant, DWORD count, bool* limited) {
    const unsigned long long ms = static_cast<unsigned long long>(multiplier) * count + constant;
    *limited = ms != 0;
    return Clock::now() + std::chrono::milliseconds(ms);
}

speed_t SpeedCode(DWORD rate, bool* known) {
    for (const auto& s : Speeds)
        if (s.Rate == rate) {
            *known = true;
            return s.Code;
        }
    *known = false;
    return B0;
}

DWORD SpeedRate(speed_t code) {
    for (const auto& s : Speeds)
        if (s.Code == code)
            return s.Rate;
    return 0;
}

void ReadLineSettings(const termios& t, int fd, DCB* dcb) {
    dcb->DCBlength = sizeof(DCB);
    dcb->BaudRate = SpeedRate(cfgetospeed(&t));
    for (const auto& s : ByteSizes)
        if ((t.c_cflag & CSIZE) == s.Flag)
            dcb->ByteSize = s.Bits;
    dcb->Parity = NOPARITY;
    if (t.c_cflag & PARENB) {
        const bool odd = (t.c_cflag & PARODD) != 0;
#ifdef CMSPAR
        if (t.c_cflag & CMSPAR)
            dcb->Parity = odd ? MARKPARITY : SPACEPARITY;
        else
#endif
            dcb->Parity = odd ? ODDPARITY : EVENPARITY;
    }
    dcb->StopBits = (t.c_cflag & CSTOPB) ? TWOSTOPBITS : ONESTOPBIT;
    dcb->fBinary = 1;
    dcb->fParity = (t.c_iflag & INPCK) ? 1 : 0;
    dcb->fOutxCtsFlow = (t.c_cflag & CRTSCTS) ? 1 : 0;
    dcb->fOutX = (t.c_iflag & IXON) ? 1 : 0;
    dcb->fInX = (t.c_iflag & IXOFF) ? 1 : 0;
    int lines = 0;
    if (ioctl(fd, TIOCMGET, &lines) == 0) {
        dcb->fRtsControl = (t.c_cflag & CRTSCTS) ? RTS_CONTROL_HANDSHAKE
                           : (lines & TIOCM_RTS) ? RTS_CONTROL_ENABLE
                                                 : RTS_CONTROL_DISABLE;
        dcb->fDtrControl = (lines & TIOCM_DTR) ? DTR_CONTROL_ENABLE : DTR_CONTROL_DISABLE;
    }
}

// A raw 8-bit line: every byte passes unchanged, nothing is echoed or translated.
void MakeRaw(termios* t) {
    t->c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL |
                                         IXON | IXOFF | IXANY | INPCK);
    t->c_oflag &= ~static_cast<tcflag_t>(OPOST);
    t->c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    t->c_cflag |= CREAD | CLOCAL;
    // With a non-blocking descriptor, VMIN 1 makes an empty read say "no data" (EAGAIN)
    // rather than 0, which is kept for "the other side has gone".
    t->c_cc[VMIN] = 1;
    t->c_cc[VTIME] = 0;
}

bool ApplyFrame(const DCB& dcb, termios* t) {
    bool knownSize = false;
    tcflag_t size = 0; // CS5 is 0 as well, hence the separate flag
    for (const auto& s : ByteSizes)
        if (s.Bits == dcb.ByteSize) {
            size = s.Flag;
            knownSize = true;
        }
    if (!knownSize)
        return false;
    tcflag_t cleared = CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS;
#ifdef CMSPAR
    cleared |= CMSPAR;
#endif
    t->c_cflag = (t->c_cflag & ~cleared) | size;
    switch (dcb.Parity) {
    case NOPARITY:
        break;
    case ODDPARITY:
        t->c_cflag |= PARENB | PARODD;
        break;
    case EVENPARITY:
        t->c_cflag |= PARENB;
        break;
#ifdef CMSPAR
    case MARKPARITY:
        t->c_cflag |= PARENB | PARODD | CMSPAR;
        break;
    case SPACEPARITY:
        t->c_cflag |= PARENB | CMSPAR;
        break;
#endif
    default:
        return false;
    }
    if (dcb.fParity && dcb.Parity != NOPARITY)
        t->c_iflag |= INPCK;
    switch (dcb.StopBits) {
    case ONESTOPBIT:
        break;
    case ONE5STOPBITS: // termios knows no one and a half; the nearest is two
    case TWOSTOPBITS:
        t->c_cflag |= CSTOPB;
        break;
    default:
        return false;
    }
    if (dcb.fOutxCtsFlow)
        t->c_cflag |= CRTSCTS;
    return true;
}

// The character frame bits that a line must keep for the settings to count as applied.
tcflag_t FrameBits(tcflag_t cflag) {
    tcflag_t bits = CSIZE | PARENB | CSTOPB;
    if (cflag & PARENB) {
        bits |= PARODD;
#ifdef CMSPAR
        bits |= CMSPAR;
#endif
    }
    return cflag & bits;
}

// Some lines (pseudo-terminals) silently keep their own frame or speed; settings that
// did not take are a failure, not a success.
long VerifyApplied(int fd, const termios& wanted) {
    termios now{};
    if (tcgetattr(fd, &now) != 0)
        return -1;
    if (FrameBits(now.c_cflag) != FrameBits(wanted.c_cflag) ||
        cfgetospeed(&now) != cfgetospeed(&wanted)) {
        errno = EINVAL;
        return -1;
    }
    return 0;
}

long ApplyModemLines(int fd, const DCB& dcb) {
    // Handshake modes start with the line raised; toggle mode holds it low between sends.
    const bool rts =
        dcb.fRtsControl == RTS_CONTROL_ENABLE || dcb.fRtsControl == RTS_CONTROL_HANDSHAKE;
    const bool dtr =
        dcb.fDtrControl == DTR_CONTROL_ENABLE || dcb.fDtrControl == DTR_CONTROL_HANDSHAKE;
    if (SetModemLine(fd, TIOCM_RTS, rts) < 0)
        return -1;
    return SetModemLine(fd, TIOCM_DTR, dtr);
}

} // namespace

HANDLE CreateFileA(LPCSTR fileName, DWORD /*desiredAccess*/, DWORD /*shareMode*/,
                   void* /*security*/, DWORD /*creationDisposition*/, DWORD /*flags*/,
                   HANDLE /*templateFile*/) {
    if (fileName == nullptr)
        return INVALID_HANDLE_VALUE;
    const std::string path = DeviceForPortName(fileName);
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        NoteFailure();
        return INVALID_HANDLE_VALUE;
    }
    // The lock keeps out every other open, root's too; TIOCEXCL keeps out programs
    // that do not ask for the lock.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || ioctl(fd, TIOCEXCL) != 0) {
        NoteFailure();
        const int error = errno;
        close(fd);
        errno = error;
        return INVALID_HANDLE_VALUE;
    }
    return new PortHandle{fd, COMMTIMEOUTS{}, DCB{}};
}

BOOL GetCommState(HANDLE file, DCB* dcb) {
    PortHandle* port = Port(file);
    if (!port || !dcb)
        return FALSE;
    termios t{};
    if (!Result(tcgetattr(port->Fd, &t)))
        return FALSE;
    DCB line = port->Line;
    ReadLineSettings(t, port->Fd, &line);
    *dcb = line;
    return TRUE;
}

BOOL SetCommState(HANDLE file, DCB* dcb) {
    PortHandle* port = Port(file);
    if (!port || !dcb)
        return FALSE;
    termios t{};
    if (!Result(tcgetattr(port->Fd, &t)))
        return FALSE;
    bool known = false;
    const speed_t speed = SpeedCode(dcb->BaudRate, &known);
    MakeRaw(&t);
    if (!known || !ApplyFrame(*dcb, &t)) {
        errno = EINVAL;
        return FALSE;
    }
    if (dcb->fParity && dcb->Parity != NOPARITY)
        t.c_iflag |= INPCK;
    if (!Result(cfsetispeed(&t, speed)) || !Result(cfsetospeed(&t, speed)) ||
        !Result(tcsetattr(port->Fd, TCSANOW, &t)) || !Result(VerifyApplied(port->Fd, t)) ||
        !Result(ApplyModemLines(port->Fd, *dcb)))
        return FALSE;
    port->Line = *dcb;
    return TRUE;
}

BOOL GetCommTimeouts(HANDLE file, COMMTIMEOUTS* timeouts) {
    PortHandle* port = Port(file);
    if (!port || !timeouts)
        return FALSE;
    *timeouts = port->Timeouts;
    return TRUE;
}

BOOL SetCommTimeouts(HANDLE file, COMMTIMEOUTS* timeouts) {
    PortHandle* port = Port(file);
    if (!port || !timeouts)
        return FALSE;
    port->Timeouts = *timeouts;
    return TRUE;
}

BOOL ReadFile(HANDLE file, void* buffer, DWORD toRead, DWORD* read, void* /*overlapped*/) {
    PortHandle* port = Port(file);
    if (read)
        *read = 0;
    if (!port || (!buffer && toRead > 0))
        return FALSE;
    bool limited = false;
    const auto deadline = Deadline(port->Timeouts.ReadTotalTimeoutMultiplier,
                                   port->Timeouts.ReadTotalTimeoutConstant, toRead, &limited);
    auto* bytes = static_cast<unsigned char*>(buffer);
    DWORD got = 0;
    while (got < toRead) {
        const int ready = WaitFor(port->Fd, POLLIN, limited, deadline);
        if (ready < 0)
            return Result(-1);
        if (ready == 0)
            break; // time-out: report what arrived
        const ssize_t n = ::read(port->Fd, bytes + got, toRead - got);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n == 0)
            errno = EIO; // end of file: the other side has gone
        if (n <= 0)
            return Result(-1);
        got += static_cast<DWORD>(n);
    }
    if (read)
        *read = got;
    return TRUE;
}

BOOL WriteFile(HANDLE file, const void* buffer, DWORD toWrite, DWORD* written,
               void* /*overlapped*/) {
    PortHandle* port = Port(file);
    if (written)
        *written = 0;
    if (!port || (!buffer && toWrite > 0))
        return FALSE;
    bool limited = false;
    const auto deadline = Deadline(port->Timeouts.WriteTotalTimeoutMultiplier,
                                   port->Timeouts.WriteTotalTimeoutConstant, toWrite, &limited);
    const auto* bytes = static_cast<const unsigned char*>(buffer);
    DWORD done = 0;
    while (done < toWrite) {
        const ssize_t n = ::write(port->Fd, bytes + done, toWrite - done);
        if (n > 0) {
            done += static_cast<DWORD>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN)
            return Result(-1);
        const int ready = WaitFor(port->Fd, POLLOUT, limited, deadline);
        if (ready < 0)
            return Result(-1);
        if (ready == 0)
            break; // write time-out: report what went out
    }
    if (written)
        *written = done;
    return TRUE;
}

BOOL PurgeComm(HANDLE file, DWORD flags) {
    PortHandle* port = Port(file);
    if (!port)
        return FALSE;
    if (flags & PURGE_RXCLEAR)
        return Result(tcflush(port->Fd, TCIFLUSH));
    return TRUE;
}

BOOL ClearCommError(HANDLE file, DWORD* errors, COMSTAT* stat) {
    PortHandle* port = Port(file);
    if (!port)
        return FALSE;
    if (errors)
        *errors = 0;
    if (!stat)
        return TRUE;
    int in = 0;
    int out = 0;
    if (!Result(ioctl(port->Fd, FIONREAD, &in)) || !Result(ioctl(port->Fd, TIOCOUTQ, &out)))
        return FALSE;
    stat->cbInQue = static_cast<DWORD>(in);
    stat->cbOutQue = static_cast<DWORD>(out);
    return TRUE;
}

BOOL CloseHandle(HANDLE object) {
    PortHandle* port = Port(object);
    if (!port)
        return FALSE;
    // The exclusive flag outlives this descriptor while anyone else holds the line
    // open, so it is lifted before closing.
    (void)ioctl(port->Fd, TIOCNXCL); // best effort: the close below is what counts
    const int fd = port->Fd;
    delete port;
    return Result(close(fd));
}

DWORD GetLastError() {
    return LastError;
}
