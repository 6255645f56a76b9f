#pragma once

#include <QString>

class ECRString;

// Register texts (Windows-1251 bytes) shown and typed as Unicode.
QString ToQString(const ECRString& text);
ECRString ToECRString(const QString& text);
