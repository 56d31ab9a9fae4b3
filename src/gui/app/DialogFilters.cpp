#include "app/DialogFilters.h"

#include <QRegularExpression>

namespace osk {

namespace {

QString qtPatterns(const QString& patterns) {
    QStringList out;
    for (const QString& p : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = p.trimmed();
        if (trimmed.isEmpty())
            continue;
        out << (trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
    }
    return out.isEmpty() ? QStringLiteral("*") : out.join(QLatin1Char(' '));
}

} // namespace

QStringList toNameFilters(const QString& filterList) {
    QStringList filters;
    if (filterList.isEmpty())
        return filters;
    const QStringList parts = filterList.split(QLatin1Char('|'));
    // The chooser reads the patterns from the last brackets of a filter, so the description's
    // own bracketed patterns make way for the real ones.
    const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString description = parts[i];
        description.remove(trailingPatterns);
        description = description.trimmed();
        const QString patterns =
            i + 1 < parts.size() ? qtPatterns(parts[i + 1]) : QStringLiteral("*");
        if (description.isEmpty())
            description = patterns;
        filters << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}

QString filterSuffix(const QString& nameFilter) {
    const QRegularExpression firstPattern(QStringLiteral("\\(\\s*\\*\\.([^\\s;*?()]+)"));
    const QRegularExpressionMatch match = firstPattern.match(nameFilter);
    return match.hasMatch() ? match.captured(1) : QString();
}

int selectedFilterPosition(int selectedFilter, int count) {
    if (count <= 0)
        return -1;
    if (selectedFilter < 1)
        return 0;
    return selectedFilter > count ? count - 1 : selectedFilter - 1;
}

} // namespace osk
