#include "ui/common/native_path.h"

#include <QFile>

std::string NativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}
