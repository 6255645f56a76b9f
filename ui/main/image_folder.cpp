#include "ui/main/image_folder.h"

#include <QStandardPaths>

#include "ui/common/native_path.h"

namespace {

const char* const ImagesFolder = "/talonsendplu/registers";

} // namespace

std::string WindowImageFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return NativePath(data + QLatin1String(ImagesFolder));
}
