#pragma once

#include <string>

#include "serial/port_settings.h"
#include "text/ecr_string.h"

// Abstract link: open, close, write.
class Comm {
public:
    virtual bool Open() = 0;
    virtual bool Close() = 0;
    virtual bool Write(const ECRString& text) = 0;

protected:
    ~Comm() = default;
};

// Abstract serial link with byte-wise reads and a per-byte time-out.
class SerialComm : public Comm {
public:
    explicit SerialComm(const PortSettings& settings) : Settings(settings) {}
    virtual ~SerialComm() = default;

    virtual ECRString Read(int count, int timeoutMs) = 0;
    virtual ECRString ReadUntil(const char* terminator, int timeoutMs) = 0;
    virtual bool SetReadTimeout(int timeoutMs) = 0;
    // Drops whatever has arrived and not been read yet, so that the rest of a cut
    // reply is not taken for the answer to the next command.
    virtual bool DiscardInput() = 0;
    // The port as the user knows it, for the lines that name it.
    virtual std::string Shown() const = 0;

    const PortSettings& GetSettings() const { return Settings; }

protected:
    PortSettings Settings;
};
