#include "ecr/talon_ecr.h"

#include "ecr/control_bytes.h"
#include "ecr/frame_codec.h"
#include "serial/comm.h"
#include "serial/ecr_error.h"

namespace {
constexpr int SingleByte = 1;
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
        // Nothing went out, so no reply can come; WindowsSerial throws code 8 instead.
        return ECRString();
    }
    const char terminator[2] = {ControlByte::FrameTerminator, '\0'};
    const ECRString reply = Link.ReadUntil(terminator, ReplyTimeoutMs);
    const std::uint32_t length = reply.GetLength();
    // Silence, a line gone quiet mid-reply or a NUL byte all leave the reply without its
    // terminator; taking such a fragment as an answer would count a lost command as done.
    if (length == 0 || reply.At(length - 1) != static_cast<unsigned char>(terminator[0])) {
        throw ECRError(ErrorTimeout);
    }
    return Unframe(reply);
}

std::int32_t TalonECR::ReplyCode(const ECRString& payload) {
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

bool TalonECR::LogOut() {
    return IsOk(Transact("*q"));
}

bool TalonECR::LogIn(const ECRString& password) {
    return IsOk(Transact(ECRString("*i") + password + ByteText(ControlByte::LF)));
}
