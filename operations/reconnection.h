#pragma once

#include <chrono>

#include "text/ecr_string.h"

class ECRError;
class LogSink;
class SerialComm;
class TalonECR;

// Takes up a network connection lost in the middle of an operation: connects again and
// logs the register in again, up to three tries two seconds apart, so that the operation
// goes on with the exchange that was on the line.
class Reconnection {
public:
    Reconnection(SerialComm& link, TalonECR& ecr, ECRString password, bool printing);

    // After a failed exchange. True when the error told of a lost connection and the
    // register is logged in again, which the log says; false otherwise, the error then
    // to be thrown on.
    bool Recover(const ECRError& error, LogSink& log);
    // The print switch as the register is to have it after a new log-in.
    void KeepPrinting(bool on) { Printing = on; }

    static constexpr int Tries = 3;
    static constexpr std::chrono::seconds Interval{2};

private:
    bool TryOnce();

    SerialComm& Link;
    TalonECR& ECR;
    ECRString Password;
    bool Printing;
};
