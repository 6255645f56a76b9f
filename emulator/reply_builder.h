#pragma once

#include <string>

// The register's reply envelope: ESC "P", the command's first two characters, the body,
// the checksum of those two characters and the body, ESC "\". A "\" of the body becomes
// "?" unless keepBackslashes, as a register whose names hold one sends them.
std::string BuildReply(const std::string& command, const std::string& body,
                       bool keepBackslashes = false);
// The body of a reply that carries only an answer code.
std::string CodeBody(int code);
// The two characters that open a reply to this command.
std::string ReplyHead(const std::string& command);
