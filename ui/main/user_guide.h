#pragma once

#include <QString>

// The user guide, Uputstvo.html. An installation keeps it in its documentation folder
// (beside the programs on Windows); a build tree beside the window it builds.
extern const char UserGuideName[];

// Where an installation whose window lives in `programFolder` keeps the guide.
QString InstalledUserGuide(const QString& programFolder);
// The guide a window in `programFolder` opens: beside it, else the installed one; empty
// when neither exists.
QString FindUserGuide(const QString& programFolder);
