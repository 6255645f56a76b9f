#pragma once

#include <string>

struct Till;

// One till as one line of the tills file: six fields separated by TAB,
//   name, port, speed, on ("da") or off ("ne"), password, fiscal module id,
// a TAB, a line break or a backslash inside a field written as \t, \n, \r or \\ and a
// name's leading "#" as \#. The password field is empty for the factory password and
// the fiscal module field before the first connection.
std::string TillLineText(const Till& till);

// Free text as it stands in a field: TAB, line breaks and backslashes escaped.
std::string EscapedTillField(const std::string& text);

// Reads a line back (without its line end). A line that cannot be taken gives false and
// why, in plain ASCII; `till` is then not to be used. Trailing fields may be left out:
// on, factory password, no fiscal module.
bool ReadTillLine(const std::string& line, Till& till, std::string& reason);

// Why the till cannot be kept as a line, in plain ASCII; empty when it can: no name; a
// port that is empty, holds a TAB or a line break, or is a malformed network address; a
// speed other than 9600 and 19200.
std::string TillFault(const Till& till);

// Lines that hold no till: empty ones and those starting with "#" (comments).
bool IsTillComment(const std::string& line);
