#include "emulator/reply_builder.h"

#include "ecr/control_bytes.h"
#include "ecr/frame_codec.h"

namespace {
constexpr std::string::size_type HeadLength = 2;
constexpr char HeadFiller = '?';
// Precedes the code in a code reply; the program skips these two characters unread.
constexpr char CodePrefix[] = "RC";
// A NUL would end the program's read as silence does. A "\" is data inside a reply, but
// unless a test asks for it the line gets a "?" instead, so that only those tests meet one.
constexpr char Replacement = '?';

std::string Clean(std::string text, bool keepBackslashes = false) {
    for (char& c : text) {
        if ((c == ControlByte::FrameTerminator && !keepBackslashes) || c == '\0') {
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

std::string BuildReply(const std::string& command, const std::string& body, bool keepBackslashes) {
    const std::string covered = ReplyHead(command) + Clean(body, keepBackslashes);
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
