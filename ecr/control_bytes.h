#pragma once

#include "text/ecr_string.h"

// Control bytes and separators of the register protocol.
namespace ControlByte {
constexpr char ENQ = 0x05;
constexpr char ACK = 0x06;
constexpr char NAK = 0x15;
constexpr char SEP = static_cast<char>(0xFE);
constexpr char LF = 0x0A;
constexpr char TAB = 0x09;
constexpr char ESC = 0x1B;
constexpr char FrameOpen = 'P';        // after the opening ESC
constexpr char FrameTerminator = '\\'; // after the closing ESC; ends every reply
} // namespace ControlByte

// A one-character text holding the byte c.
ECRString ByteText(char c);
