#pragma once

#include <QString>
#include <string>

// A path from Qt as the core keeps paths: UTF-8 on Windows, the system's own bytes
// elsewhere.
std::string NativePath(const QString& path);
