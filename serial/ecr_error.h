#pragma once

#include <cstdint>
#include <exception>

#include "text/ecr_string.h"

// Link error codes; their texts are ErrorMessages[code].
enum ECRErrorCode : std::int32_t {
    ErrorOpeningPort = 1,
    ErrorReadingSettings = 2,
    ErrorApplyingSettings = 3,
    ErrorReadingTimeout = 4,
    ErrorApplyingTimeout = 5,
    ErrorWritingPort = 8,
    ErrorReadingPort = 9,
    ErrorTimeout = 10,
    // A whole reply that does not hold what every reply of the register holds.
    ErrorBadReply = 15,
    // A network link whose connection the far side closed or reset.
    ErrorConnectionLost = 16,
};

constexpr int ErrorMessageCount = 17;
extern const ECRString ErrorMessages[ErrorMessageCount];

// Why a port would not open, where the system said.
enum class PortFault : std::int32_t {
    Unknown,
    AccessDenied, // the user may not open the device
    Busy,         // another program holds it
    Missing,      // no such device
    // A network converter:
    Refused,     // nothing listens at the address
    HostSilent,  // the computer does not answer within the connect time-out
    UnknownHost, // the name does not resolve
    NoRfc2217,   // it takes the connection but not the COM-port option
};

// The serial link's exception: one code, copied by value when thrown; a port that would
// not open also carries the reason.
class ECRError : public std::exception {
public:
    explicit ECRError(std::int32_t code, PortFault fault = PortFault::Unknown)
        : ErrorCode(code), Fault(fault) {}
    std::int32_t GetErrorCode() const { return ErrorCode; }
    PortFault GetPortFault() const { return Fault; }
    // The code's text from ErrorMessages, "???" outside the table.
    const char* what() const noexcept override;

    std::int32_t ErrorCode;
    PortFault Fault;
};
