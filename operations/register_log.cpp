#include "operations/register_log.h"

#include "ecr/talon_ecr.h"
#include "serial/ecr_error.h"

namespace {

const char* const ErrorPrefix = "Greska ";
const char* const ErrorSeparator = ": ";
const char* const LinkErrorPrefix = "Greska u komunikaciji: ";
const char* const UnknownText = "???";

} // namespace

ECRString RegisterErrorLine(const TalonECR& ecr) {
    return ECRString(ErrorPrefix) + ECRString(ecr.GetErrorCode()) + ErrorSeparator +
           ecr.GetErrorMessage();
}

ECRString LinkErrorLine(const ECRError& error) {
    const std::int32_t code = error.GetErrorCode();
    const ECRString text =
        code >= 0 && code < ErrorMessageCount ? ErrorMessages[code] : ECRString(UnknownText);
    return ECRString(LinkErrorPrefix) + text;
}
