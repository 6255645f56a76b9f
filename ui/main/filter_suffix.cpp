#include "ui/main/filter_suffix.h"

#include <QStringList>

namespace {

const QString AnyExtension = QStringLiteral("*.");
const QChar Wildcards[] = {QLatin1Char('*'), QLatin1Char('?'), QLatin1Char('[')};

} // namespace

QString FilterSuffix(const QString& filter) {
    const qsizetype open = filter.lastIndexOf(QLatin1Char('('));
    const qsizetype close = filter.lastIndexOf(QLatin1Char(')'));
    if (open < 0 || close < open) {
        return QString();
    }
    const QStringList patterns =
        filter.mid(open + 1, close - open - 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (patterns.isEmpty() || !patterns.first().startsWith(AnyExtension)) {
        return QString();
    }
    const QString suffix = patterns.first().mid(AnyExtension.size());
    for (const QChar wildcard : Wildcards) {
        if (suffix.contains(wildcard)) {
            return QString();
        }
    }
    return suffix;
}
