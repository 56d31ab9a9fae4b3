// Points the per-user settings of this test process at a fresh temporary folder, so that no
// test reads or writes the user's own settings, and the system-wide settings at a folder below it
// that is not made until a test writes there. Create one in every test that uses the store.
#pragma once

#include "support/TempDir.h"

#include <QProcessEnvironment>
#include <QSettings>
#include <QString>

#include <filesystem>

namespace osk::test {

class SettingsFolder {
public:
    SettingsFolder() {
        const QString path = QString::fromStdString(dir_.path().string());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path);
        const QString system = QString::fromStdString(systemPath().string());
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, system);
        QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, system);
    }

    const std::filesystem::path& path() const { return dir_.path(); }
    std::filesystem::path systemPath() const { return dir_.path() / "system"; }

    // The environment for a child process that is to see the same settings.
    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(dir_.path().string()));
        env.insert(QStringLiteral("XDG_CONFIG_DIRS"),
                   QString::fromStdString(systemPath().string()));
        return env;
    }

private:
    TempDir dir_;
};

} // namespace osk::test
