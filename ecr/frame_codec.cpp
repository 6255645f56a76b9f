#include "ecr/frame_codec.h"

#include "ecr/control_bytes.h"
#include "text/c_numbers.h"

namespace {
constexpr unsigned char ChecksumSeed = 0xFF;
constexpr char HexDigits[] = "0123456789ABCDEF";
// The envelope around a payload: ESC "P" and two bytes before it, checksum ESC "\" after.
constexpr std::uint32_t EnvelopeSide = 4;
// The register's code follows two characters of the payload that are not examined.
constexpr std::uint32_t CodeOffset = 2;
} // namespace

ECRString FrameChecksum(const ECRString& text) {
    unsigned char x = ChecksumSeed;
    for (std::uint32_t i = 0; i < text.GetLength(); ++i) {
        x ^= text.At(i);
    }
    const char digits[3] = {HexDigits[x >> 4], HexDigits[x & 0x0F], '\0'};
    return ECRString(digits);
}

ECRString FrameCommand(const ECRString& command) {
    return ByteText(ControlByte::ESC) + ByteText(ControlByte::FrameOpen) + command +
           FrameChecksum(command) + ByteText(ControlByte::ESC) +
           ByteText(ControlByte::FrameTerminator);
}

ECRString UnframeReply(const ECRString& reply) {
    // The second position wraps round for replies shorter than the envelope side; Sub
    // then orders and clips the positions, which gives the short-reply results.
    const std::uint32_t end = reply.GetLength() - EnvelopeSide;
    return reply.Sub(EnvelopeSide, end);
}

std::int32_t PayloadCode(const ECRString& payload) {
    return ReadLong(payload.Tail(CodeOffset).Text());
}
