#include "ui/main/image_folder.h"

#include <QFile>
#include <QStandardPaths>

namespace {

const char* const ImagesFolder = "/talonsendplu/registers";

} // namespace

std::string WindowImageFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QFile::encodeName(data + QLatin1String(ImagesFolder)).toStdString();
}
