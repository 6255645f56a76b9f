#include "ecr/frame_codec.h"

#include "ecr/control_bytes.h"
#include "text/c_numbers.h"
#include "text/digits.h"

namespace {
constexpr unsigned char ChecksumSeed = 0xFF;
constexpr char HexDigits[] = "0123456789ABCDEF";
// The envelope around a payload: ESC "P" and two bytes before it, checksum ESC "\" after.
constexpr std::uint32_t EnvelopeSide = 4;
// The register's code follows two characters of the payload that are not examined.
constexpr std::uint32_t CodeOffset = 2;
// ESC "P", the two head bytes, the checksum and ESC "\".
constexpr std::uint32_t ShortestFrame = 2 * EnvelopeSide;
constexpr std::uint32_t PairLength = 2;

bool IsSign(unsigned char c) {
    return c == '+' || c == '-';
}
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

bool EndsFrame(const ECRString& reply) {
    const std::uint32_t length = reply.GetLength();
    return length >= PairLength &&
           reply.At(length - 2) == static_cast<unsigned char>(ControlByte::ESC) &&
           reply.At(length - 1) == static_cast<unsigned char>(ControlByte::FrameTerminator);
}

ECRString FrameFromOpening(const ECRString& reply) {
    if (!EndsFrame(reply)) {
        return ECRString();
    }
    // The opening of the frame itself is the last one: noise before it may hold one too.
    const std::uint32_t closing = reply.GetLength() - PairLength;
    for (std::uint32_t at = closing; at-- > 0;) {
        if (reply.At(at) == static_cast<unsigned char>(ControlByte::ESC) && at + 1 < closing &&
            reply.At(at + 1) == static_cast<unsigned char>(ControlByte::FrameOpen)) {
            return reply.GetLength() - at >= ShortestFrame ? reply.Tail(at) : ECRString();
        }
    }
    return ECRString();
}

bool PayloadHasCode(const ECRString& payload) {
    const ECRString field = payload.Tail(CodeOffset);
    const std::uint32_t length = field.GetLength();
    if (length > 0 && IsDigit(static_cast<char>(field.At(0)))) {
        return true;
    }
    return length > 1 && IsSign(field.At(0)) && IsDigit(static_cast<char>(field.At(1)));
}
