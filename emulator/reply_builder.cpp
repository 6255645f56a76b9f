#include "emulator/reply_builder.h"

#include "ecr/control_bytes.h"
#include "ecr/frame_codec.h"

namespace {
constexpr std::string::size_type HeadLength = 2;
constexpr char HeadFiller = '?';
// Precedes the code in a code reply; the program skips these two characters unread.
constexpr char CodePrefix[] = "RC";
// The program reads a reply up to the first "\"; a NUL would end it as silence does.
constexpr char Replacement = '?';

std::string Clean(std::string text) {
    for (char& c : text) {
        if (c == ControlByte::FrameTerminator || c == '\0') {
            c = Replacement;
        }
    }
    return text;
}
} // namespace

std::string ReplyHead(const std::string& command) {
    std::string head = command.substr(0, HeadLength);
    head.resize(HeadLength, HeadFiller);
    return Clean(head);
}

std::string CodeBody(int code) {
    return CodePrefix + std::to_string(code);
}

std::string BuildReply(const std::string& command, const std::string& body) {
    const std::string covered = ReplyHead(command) + Clean(body);
    const ECRString checksum = FrameChecksum(ECRString(covered.c_str()));
    std::string reply;
    reply += ControlByte::ESC;
    reply += ControlByte::FrameOpen;
    reply += covered;
    reply.append(checksum.Text(), checksum.GetLength());
    reply += ControlByte::ESC;
    reply += ControlByte::FrameTerminator;
    return reply;
}
