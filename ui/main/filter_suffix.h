#pragma once

#include <QString>

// The extension that a file dialog's filter ("Excel (*.xlsx)") stands for: that of its
// first pattern, without the dot; empty when that pattern names no single extension
// ("Svi fajlovi (*)").
QString FilterSuffix(const QString& filter);
