#pragma once

#include <optional>
#include <string>

// No command the register takes comes near this size; an open frame that grows past it
// is noise and is dropped, so a line that never closes its frame cannot use up memory.
constexpr std::string::size_type MaxFrameBytes = 64 * 1024;

// Gathers the bytes coming from the program into enquiries and frames.
class FrameReader {
public:
    // Takes one byte; gives the complete enquiry or frame it ends, if any.
    std::optional<std::string> Push(char byte);
    static bool IsEnquiry(const std::string& unit);

private:
    std::string Pending; // an open frame, from its ESC on
};

// "1B 50 24 73" for the bytes 0x1B 0x50 0x24 0x73.
std::string HexBytes(const std::string& bytes);
