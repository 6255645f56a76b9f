#include "ecr/talon_plu.h"

#include "ecr/control_bytes.h"
#include "plu/talon_plu_item.h"

namespace {
// A read reply this short carries a register code, not an article.
constexpr std::uint32_t ErrorReplyMaxLength = 5;
constexpr std::int32_t NoNextArticle = -1;
} // namespace

std::int32_t TalonPLU::WriteArticle(const TalonPLUItem& record, std::int32_t number) {
    const ECRString sep = ByteText(ControlByte::SEP);
    return ReplyCode(Transact(ECRString("#r5") + sep + "1" + sep + ECRString(number) +
                              ByteText(ControlByte::TAB) + record.ToECRText()));
}

std::int32_t TalonPLU::ReadArticle(std::int32_t number, TalonPLUItem& record) {
    const ECRString reply =
        Transact(ECRString("$b") + ECRString(number) + ByteText(ControlByte::TAB));
    if (reply.GetLength() <= ErrorReplyMaxLength) {
        ReplyCode(reply);
        return NoNextArticle;
    }
    record.FromECRText(reply);
    return record.GetNextID();
}

std::int32_t TalonPLU::DeleteArticle(std::int32_t number) {
    return ReplyCode(Transact(ECRString("#d5") + ByteText(ControlByte::SEP) + ECRString(number) +
                              ByteText(ControlByte::TAB)));
}
