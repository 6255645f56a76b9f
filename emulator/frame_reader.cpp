#include "emulator/frame_reader.h"

#include "ecr/control_bytes.h"

namespace {
// ESC "P" and the closing ESC "\" at least: a shorter unit cannot have ended.
constexpr std::string::size_type ShortestFrame = 4;
constexpr char HexDigits[] = "0123456789ABCDEF";
} // namespace

std::optional<std::string> FrameReader::Push(char byte) {
    if (Pending.empty()) {
        if (byte == ControlByte::ENQ) {
            return std::string(1, byte);
        }
        if (byte == ControlByte::ESC) {
            Pending = std::string(1, byte);
        }
        // Noise between frames is dropped, as the register's receiver does.
        return std::nullopt;
    }
    if (Pending.size() >= MaxFrameBytes) {
        Pending.clear();
        return Push(byte); // the byte may open the next enquiry or frame
    }
    Pending += byte;
    const auto n = Pending.size();
    if (n >= ShortestFrame && byte == ControlByte::FrameTerminator &&
        Pending[n - 2] == ControlByte::ESC) {
        std::string frame;
        frame.swap(Pending);
        return frame;
    }
    return std::nullopt;
}

bool FrameReader::IsEnquiry(const std::string& unit) {
    return unit.size() == 1 && unit[0] == ControlByte::ENQ;
}

std::string HexBytes(const std::string& bytes) {
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (!out.empty()) {
            out += ' ';
        }
        out += HexDigits[b >> 4];
        out += HexDigits[b & 0x0F];
    }
    return out;
}
