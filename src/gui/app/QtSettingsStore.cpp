#include "app/QtSettingsStore.h"

#include <QSettings>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace osk {

namespace {

struct Location {
    QString organisation; // Windows: the registry key, "HKEY_CURRENT_USER\Software\Graphs"
    QString application;  // empty on Windows
    QString key;
};

bool isPlainName(const QString& s) {
    return !s.isEmpty() && !s.contains(QLatin1Char('/')) && s != QLatin1String(".") &&
           s != QLatin1String("..");
}

std::optional<Location> locate(const std::string& path) {
    const QStringList parts = QString::fromStdString(path).split(QLatin1Char('\\'));
    // Hive, organisation, application and at least one more component for the value name.
    if (parts.size() < 4 || parts.front().compare(QLatin1String("HKCU"), Qt::CaseInsensitive))
        return std::nullopt;
    for (qsizetype i = 1; i < parts.size(); ++i)
        if (parts[i].isEmpty())
            return std::nullopt;
    // The organisation and application become folder and file names off the registry.
    if (!isPlainName(parts[1]) || !isPlainName(parts[2]))
        return std::nullopt;
#ifdef Q_OS_WIN
    const QStringList keyParts = parts.mid(1, parts.size() - 2);
    return Location{QStringLiteral("HKEY_CURRENT_USER\\") + keyParts.join(QLatin1Char('\\')),
                    QString(), parts.back()};
#else
    return Location{parts[1], parts[2], parts.mid(3).join(QLatin1Char('/'))};
#endif
}

// Only the user's own store: no value is taken from the organisation-wide file shared by all
// its applications, nor from the system-wide files.
std::unique_ptr<QSettings> open(const Location& where) {
#ifdef Q_OS_WIN
    auto settings = std::make_unique<QSettings>(where.organisation, QSettings::NativeFormat);
#else
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                where.organisation, where.application);
#endif
    settings->setFallbacksEnabled(false);
    return settings;
}

} // namespace

std::string QtSettingsStore::RegRead(const std::string& path) {
    const std::optional<Location> where = locate(path);
    if (!where)
        return {};
    const auto settings = open(*where);
    const QVariant value = settings->value(where->key);
    return value.isValid() ? value.toString().toStdString() : std::string();
}

void QtSettingsStore::RegWrite(const std::string& path, const std::string& value) {
    const std::optional<Location> where = locate(path);
    if (!where)
        return;
    const auto settings = open(*where);
    settings->setValue(where->key, QString::fromStdString(value));
    settings->sync();
}

} // namespace osk
