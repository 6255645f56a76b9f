#include "ui/common/native_path.h"

// Not QFile::encodeName: the system's 8-bit code page cannot hold every file name.
std::string NativePath(const QString& path) {
    return path.toStdString();
}
