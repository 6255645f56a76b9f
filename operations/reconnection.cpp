#include "operations/reconnection.h"

#include <thread>

#include "ecr/talon_ecr.h"
#include "operations/connect_register.h"
#include "operations/operation_sinks.h"
#include "serial/comm.h"
#include "serial/ecr_error.h"

namespace {

// The failures of a connection that went away: its loss seen on the line, or the
// connection that could not be made again before an exchange.
bool IsLostConnection(const ECRError& error) {
    return error.GetErrorCode() == ErrorConnectionLost || error.GetErrorCode() == ErrorOpeningPort;
}

ECRString TakenUpLine(const SerialComm& link) {
    return ECRString("Veza sa ") + link.Shown().c_str() + " je prekinuta i ponovo uspostavljena";
}

} // namespace

Reconnection::Reconnection(SerialComm& link, TalonECR& ecr, ECRString password, bool printing)
    : Link(link), ECR(ecr), Password(std::move(password)), Printing(printing) {}

bool Reconnection::TryOnce() {
    Link.Close();
    try {
        return Link.Open() && ECR.PingPastCutReply() &&
               SignIn(ECR, Password, Printing) == ConnectOutcome::Connected;
    } catch (const ECRError&) {
        return false; // one try of several; the caller throws the first error if all fail
    }
}

bool Reconnection::Recover(const ECRError& error, LogSink& log) {
    if (!IsLostConnection(error)) {
        return false;
    }
    for (int attempt = 1; attempt <= Tries; ++attempt) {
        if (attempt > 1) {
            std::this_thread::sleep_for(Interval); // a converter restarting needs the time
        }
        if (TryOnce()) {
            log.Line(TakenUpLine(Link));
            return true;
        }
    }
    return false;
}
