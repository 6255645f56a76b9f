#pragma once

#include <cstdio>

// Files in the compound format of old Office programs (OLE): the binary .xls of Excel
// 97-2003, and the container in which Office keeps a password-protected workbook.

// True when the stream named "EncryptedPackage" is in the file: an encrypted .xlsx.
// Reads the whole file (up to a bound) from its start.
bool HoldsEncryptedPackage(std::FILE* file);
