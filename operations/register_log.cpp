#include "operations/register_log.h"

#include "ecr/talon_ecr.h"
#include "serial/ecr_error.h"

namespace {

const char* const ErrorPrefix = "Greska ";
const char* const ErrorSeparator = ": ";
const char* const LinkErrorPrefix = "Greska u komunikaciji: ";
const char* const UnknownText = "???";
// The failures a user meets, said with what to do about them.
const char* const SilentRegisterText = "kasa ne odgovara. Proverite kabl i pokusajte ponovo.";
const char* const BadReplyText = "kasa je poslala neispravan odgovor. Pokusajte ponovo.";
const char* const PortGoneText =
    "port nije dostupan. Pritisnite Zatvori, proverite kabl ili USB adapter, pa Otvori.";
const char* const ConnectionGoneText =
    "veza sa konvertorom je prekinuta. Proverite mrezu i konvertor i pokusajte ponovo.";

ECRString LinkErrorText(std::int32_t code) {
    switch (code) {
    case ErrorTimeout:
        return SilentRegisterText;
    case ErrorBadReply:
        return BadReplyText;
    case ErrorWritingPort:
    case ErrorReadingPort:
        return PortGoneText; // the device went away under the open port
    case ErrorConnectionLost:
    case ErrorOpeningPort: // a lost connection could not be made again
        return ConnectionGoneText;
    default:
        return code >= 0 && code < ErrorMessageCount ? ErrorMessages[code] : ECRString(UnknownText);
    }
}

} // namespace

ECRString RegisterErrorLine(const TalonECR& ecr) {
    return ECRString(ErrorPrefix) + ECRString(ecr.GetErrorCode()) + ErrorSeparator +
           ecr.GetErrorMessage();
}

ECRString LinkErrorLine(const ECRError& error) {
    return ECRString(LinkErrorPrefix) + LinkErrorText(error.GetErrorCode());
}
