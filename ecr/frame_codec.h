#pragma once

#include <cstdint>

#include "text/ecr_string.h"

// Pure frame encoding shared by the register object and the emulator.
// Two upper-case hex digits of 0xFF XOR every byte of the text.
ECRString FrameChecksum(const ECRString& text);
// ESC "P" command checksum ESC "\".
ECRString FrameCommand(const ECRString& command);
// The payload: the reply less its first four and last four bytes (see Unframe).
ECRString UnframeReply(const ECRString& reply);
// The number after the payload's first two characters, read as atol does.
std::int32_t PayloadCode(const ECRString& payload);
