#include "ecr/talon_ecr.h"

#include "ecr/control_bytes.h"
#include "ecr/frame_codec.h"
#include "serial/comm.h"
#include "serial/ecr_error.h"

namespace {
constexpr int SingleByte = 1;
// Far above the longest reply the register sends (about a hundred bytes): a line that
// keeps sending "\" bytes without the closing pair must not hold the program for ever.
constexpr std::uint32_t LongestReply = 8192;
} // namespace

void TalonECR::DropStaleInput() {
    // Left over, the rest of a cut reply would be read as the answer to the next command.
    if (!Link.DiscardInput()) {
        throw ECRError(ErrorReadingPort);
    }
}

TalonECR::TalonECR(SerialComm& link) : Link(link) {}

ECRString TalonECR::Checksum(const ECRString& text) {
    return FrameChecksum(text);
}

ECRString TalonECR::Frame(const ECRString& command) {
    return FrameCommand(command);
}

ECRString TalonECR::Unframe(const ECRString& reply) {
    return UnframeReply(reply);
}

ECRString TalonECR::Enquire() {
    DropStaleInput();
    Link.Write(ByteText(ControlByte::ENQ));
    return Link.Read(SingleByte, ReplyTimeoutMs);
}

void TalonECR::Acknowledge() {
    Link.Write(ByteText(ControlByte::ACK));
}

void TalonECR::NotAcknowledge() {
    Link.Write(ByteText(ControlByte::NAK));
}

ECRString TalonECR::Transact(const ECRString& command) {
    DropStaleInput();
    if (!Link.Write(Frame(command))) {
        // Nothing went out, so no reply can come: an exchange that did not happen.
        throw ECRError(ErrorWritingPort);
    }
    const ECRString frame = FrameFromOpening(ReadReply());
    if (frame.GetLength() == 0) {
        throw ECRError(ErrorBadReply);
    }
    return Unframe(frame);
}

ECRString TalonECR::ReadReply() {
    const char terminator[2] = {ControlByte::FrameTerminator, '\0'};
    ECRString reply;
    for (;;) {
        const ECRString piece = Link.ReadUntil(terminator, ReplyTimeoutMs);
        reply += piece;
        if (EndsFrame(reply)) {
            return reply;
        }
        // Silence, a line gone quiet mid-reply or a NUL byte all end a piece without its
        // terminator; taking such a fragment as an answer would count a lost command as
        // done. A piece that ends in a "\" of the payload is followed by the rest.
        const std::uint32_t length = piece.GetLength();
        if (length == 0 || piece.At(length - 1) != static_cast<unsigned char>(terminator[0]) ||
            reply.GetLength() > LongestReply) {
            throw ECRError(ErrorTimeout);
        }
    }
}

std::int32_t TalonECR::ReplyCode(const ECRString& payload) {
    if (!PayloadHasCode(payload)) {
        throw ECRError(ErrorBadReply);
    }
    const std::int32_t code = PayloadCode(payload);
    SetErrorCode(code);
    return code;
}

bool TalonECR::IsOk(const ECRString& payload) {
    return ReplyCode(payload) == 0;
}

bool TalonECR::Ping() {
    return Enquire().GetLength() == SingleByte;
}

bool TalonECR::PingPastCutReply() {
    DropStaleInput();
    Link.Write(ByteText(ControlByte::ENQ));
    // A reply never holds an ACK or a NAK, so the first one answers the enquiry.
    for (std::uint32_t read = 0; read <= LongestReply; ++read) {
        const ECRString byte = Link.Read(SingleByte, ReplyTimeoutMs);
        if (byte.GetLength() == 0) {
            return false;
        }
        const char answer = static_cast<char>(byte.At(0));
        if (answer == ControlByte::ACK || answer == ControlByte::NAK) {
            return true;
        }
    }
    return false;
}

bool TalonECR::LogOut() {
    return IsOk(Transact("*q"));
}

bool TalonECR::LogIn(const ECRString& password) {
    return IsOk(Transact(ECRString("*i") + password + ByteText(ControlByte::LF)));
}
