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

// The register closes every reply with ESC "\"; a "\" byte alone is data.
bool EndsFrame(const ECRString& reply);
// The reply from its last ESC "P" on, which drops noise that came before the frame; empty
// when no opening comes before the closing pair or the frame is too short to hold the
// envelope.
ECRString FrameFromOpening(const ECRString& reply);
// True when a code stands after the payload's first two characters: a digit, or a sign
// and a digit. A reply that answers with a code and holds none is not the register's.
bool PayloadHasCode(const ECRString& payload);
