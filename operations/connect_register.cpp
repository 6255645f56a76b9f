#include "operations/connect_register.h"

#include "ecr/talon_ecr.h"
#include "operations/operation_sinks.h"
#include "operations/register_log.h"
#include "serial/comm.h"
#include "serial/ecr_error.h"

namespace {

const char* const LoggedInLine = "*** Prijavljivanje - OK ***";
const char* const ConnectFailedLine = "Greska u otvaranju konekcije!";
const char* const ConnectAdviceLine = "Proverite parametre, kabl i podesavanja na kasi.";
const char* const PrintOkLine = "OK";
constexpr int EightDataBits = 8;
constexpr int OneStopBit = 0;
constexpr int NoParity = 0;
constexpr int NoHandshake = 0;
constexpr int DtrOff = 0;
const char* const PortWord = "Port ";
const char* const AccessDeniedText = ": pristup odbijen. Dodajte korisnika u grupu dialout (sudo "
                                     "adduser $USER dialout) i prijavite se ponovo.";
const char* const BusyText = " je zauzet drugim programom.";
const char* const MissingText = " ne postoji.";

// Why a network converter could not be reached, after "Port ADDRESS: ".
const char* NetworkReason(PortFault fault) {
    switch (fault) {
    case PortFault::Refused:
        return "veza odbijena";
    case PortFault::HostSilent:
        return "racunar ne odgovara";
    case PortFault::UnknownHost:
        return "nepoznat racunar";
    case PortFault::NoRfc2217:
        return "ne podrzava RFC 2217";
    default:
        return nullptr;
    }
}

// The third failure line, telling why the port would not open; empty when the system
// gave no reason the user can act on.
ECRString PortFaultLine(PortFault fault, const SerialComm& link) {
    const ECRString device(link.Shown().c_str());
    if (const char* reason = NetworkReason(fault)) {
        return ECRString(PortWord) + device + ": " + reason;
    }
    switch (fault) {
    case PortFault::AccessDenied:
        return ECRString(PortWord) + device + AccessDeniedText;
    case PortFault::Busy:
        return ECRString(PortWord) + device + BusyText;
    case PortFault::Missing:
        return ECRString(PortWord) + device + MissingText;
    default:
        break;
    }
    return ECRString();
}

ConnectOutcome LogIn(SerialComm& link, std::unique_ptr<TalonECR>& ecr, const ECRString& password,
                     bool printing, LogSink& log) {
    if (!link.Open()) {
        return ConnectOutcome::PortNotOpened;
    }
    ecr = std::make_unique<TalonECR>(link);
    const ConnectOutcome outcome = SignIn(*ecr, password, printing);
    if (outcome == ConnectOutcome::Connected) {
        log.Line(LoggedInLine);
    }
    return outcome;
}

} // namespace

ConnectOutcome SignIn(TalonECR& ecr, const ECRString& password, bool printing) {
    if (!ecr.Ping()) {
        return ConnectOutcome::NoAnswer;
    }
    ecr.LogOut(); // the log-in follows whatever the register says to this
    if (!ecr.LogIn(password)) {
        return ConnectOutcome::PasswordRefused;
    }
    ecr.SetPrinting(printing); // its answer is not shown
    return ConnectOutcome::Connected;
}

ConnectOutcome ConnectRegister(SerialComm& link, std::unique_ptr<TalonECR>& ecr,
                               const ECRString& password, bool printing, LogSink& log) {
    ConnectOutcome outcome = ConnectOutcome::NoAnswer;
    ECRString reason;
    try {
        outcome = LogIn(link, ecr, password, printing, log);
    } catch (const ECRError& error) {
        // Whatever step failed, the port must be freed.
        const bool notOpened = error.GetErrorCode() == ErrorOpeningPort;
        outcome = notOpened ? ConnectOutcome::PortNotOpened : ConnectOutcome::NoAnswer;
        if (notOpened) {
            reason = PortFaultLine(error.GetPortFault(), link);
        } else if (error.GetErrorCode() == ErrorConnectionLost) {
            // A converter that takes the connection and closes it at once (one in use by
            // another program does) is refusing it.
            reason = PortFaultLine(PortFault::Refused, link);
        }
    }
    if (outcome == ConnectOutcome::Connected) {
        return outcome;
    }
    link.Close();
    LogConnectFailure(log);
    if (reason.GetLength() > 0) {
        log.Line(reason);
    }
    return outcome;
}

void LogConnectFailure(LogSink& log) {
    log.Line(ConnectFailedLine);
    log.Line(ConnectAdviceLine);
}

PortSettings RegisterPortSettings(int port, int speed) {
    return PortSettings(port, speed, EightDataBits, NoParity, OneStopBit, NoHandshake, DtrOff);
}

bool SwitchPrinting(TalonECR& ecr, bool on, LogSink& log) {
    const bool switched = ecr.SetPrinting(on) == 0;
    log.Line(switched ? ECRString(PrintOkLine) : RegisterErrorLine(ecr));
    return switched;
}
