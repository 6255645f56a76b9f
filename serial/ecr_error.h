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
};

constexpr int ErrorMessageCount = 15;
extern const ECRString ErrorMessages[ErrorMessageCount];

// The serial link's exception: one code, copied by value when thrown.
class ECRError : public std::exception {
public:
    explicit ECRError(std::int32_t code) : ErrorCode(code) {}
    std::int32_t GetErrorCode() const { return ErrorCode; }
    // The code's text from ErrorMessages, "???" outside the table.
    const char* what() const noexcept override;

    std::int32_t ErrorCode;
};
