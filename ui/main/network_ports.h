#pragma once

#include <QString>
#include <QStringList>

// The network addresses the port box offers again: those connected to before, the most
// recent first, kept between starts in the user's data folder.
QStringList RememberedAddresses();
// Puts the address first among those remembered; false when the list cannot be saved.
bool RememberAddress(const QString& address);
