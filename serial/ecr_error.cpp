#include "serial/ecr_error.h"

namespace {
constexpr const char* UnknownCodeText = "???";
}

const ECRString ErrorMessages[ErrorMessageCount] = {
    "OK",
    "Error opening port",
    "Error reading port settings",
    "Error aplying port settings",
    "Error reading port timeout",
    "Error aplying port timeout",
    "Error reading port mask",
    "Error aplying port mask",
    "Error writing to port",
    "Error reading from port",
    "Timeout error",
    "Invalid parameter for ECR",
    "Name is not globally unique",
    "Invalid system parameter",
    "Could not create thread",
    "Invalid reply from ECR",
    "Connection lost",
};

const char* ECRError::what() const noexcept {
    if (ErrorCode < 0 || ErrorCode >= ErrorMessageCount)
        return UnknownCodeText;
    return ErrorMessages[ErrorCode].Text();
}
