#include "ui/main/user_guide.h"

#include <QDir>
#include <QFileInfo>

#ifndef TALON_GUIDE_FOLDER
#define TALON_GUIDE_FOLDER "."
#endif

const char UserGuideName[] = "Uputstvo.html";

namespace {

QString GuideIn(const QString& folder) {
    return QDir::cleanPath(folder + QLatin1Char('/') + QLatin1String(UserGuideName));
}

} // namespace

QString InstalledUserGuide(const QString& programFolder) {
    return GuideIn(programFolder + QLatin1Char('/') + QLatin1String(TALON_GUIDE_FOLDER));
}

QString FindUserGuide(const QString& programFolder) {
    for (const QString& candidate : {GuideIn(programFolder), InstalledUserGuide(programFolder)}) {
        if (QFileInfo(candidate).isFile()) {
            return candidate;
        }
    }
    return QString();
}
