#include "app/QtSettingsStore.h"

#include "common/SettingsLocation.h"

#include <QSettings>
#include <QString>

#include <memory>
#include <optional>

namespace osk {

namespace {

#ifdef Q_OS_WIN
constexpr SettingsPlatform kPlatform = SettingsPlatform::Registry;
#else
constexpr SettingsPlatform kPlatform = SettingsPlatform::Files;
#endif

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// Only the user's own store: no value is taken from the organisation-wide file shared by all
// its applications, nor from the system-wide files.
std::unique_ptr<QSettings> open(const SettingsLocation& where) {
#ifdef Q_OS_WIN
    auto settings = std::make_unique<QSettings>(qt(where.organisation), QSettings::NativeFormat);
#else
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                qt(where.organisation), qt(where.application));
#endif
    settings->setFallbacksEnabled(false);
    return settings;
}

} // namespace

std::string QtSettingsStore::RegRead(const std::string& path) {
    const std::optional<SettingsLocation> where = locateSetting(path, kPlatform);
    if (!where)
        return {};
    const auto settings = open(*where);
    const QVariant value = settings->value(qt(where->key));
    return value.isValid() ? value.toString().toStdString() : std::string();
}

void QtSettingsStore::RegWrite(const std::string& path, const std::string& value) {
    const std::optional<SettingsLocation> where = locateSetting(path, kPlatform);
    if (!where)
        return;
    const auto settings = open(*where);
    settings->setValue(qt(where->key), QString::fromStdString(value));
    settings->sync();
}

} // namespace osk
