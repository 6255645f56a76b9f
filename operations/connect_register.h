#pragma once

#include <memory>

#include "serial/port_settings.h"
#include "text/ecr_string.h"

class LogSink;
class SerialComm;
class TalonECR;

enum class ConnectOutcome {
    Connected,
    PortNotOpened,   // the port could not be opened
    NoAnswer,        // the register did not answer, or the link failed on the way
    PasswordRefused, // the register answered but refused the log-in
};

// Opens the link, checks the register is there, ends whatever session it had and logs
// in; on success switches printing as asked. Logs "*** Prijavljivanje - OK ***", or the
// two failure lines with the link closed again. The register object is made once the
// port is open and stays with the caller either way.
ConnectOutcome ConnectRegister(SerialComm& link, std::unique_ptr<TalonECR>& ecr,
                               const ECRString& password, bool printing, LogSink& log);

// On an open link: checks the register is there, ends whatever session it had, logs in
// and switches printing as asked. Throws the link's ECRError.
ConnectOutcome SignIn(TalonECR& ecr, const ECRString& password, bool printing);

// The two lines of a connection that failed.
void LogConnectFailure(LogSink& log);

// The line settings of a Talon register: 8 data bits, no parity, one stop bit, no
// handshake, DTR off, at 9600 or 19200 bit/s.
PortSettings RegisterPortSettings(int port, int speed);

// The print switch on its own: "OK", or the register's error line.
bool SwitchPrinting(TalonECR& ecr, bool on, LogSink& log);
