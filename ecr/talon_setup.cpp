#include "ecr/talon_setup.h"

#include "ecr/control_bytes.h"

std::int32_t TalonSetup::SetPrinting(bool on) {
    const ECRString sep = ByteText(ControlByte::SEP);
    return ReplyCode(Transact(ECRString("#y1") + sep + ECRString(on) + sep));
}
