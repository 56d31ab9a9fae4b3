// Gives every test that uses the settings store an empty store of its own, so that no test reads
// or writes the user's own settings.
//
// On Linux the per-user settings of this test process point at a fresh temporary folder, and the
// system-wide settings at a folder below it that is not made until a test writes there. On
// Windows the store is the registry itself: the program's two keys are emptied before and after
// each test, which only a scratch user or Wine prefix may allow (gui_test_main checks for it).
// Create one in every test that uses the store.
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
        clearRegistry();
    }
    ~SettingsFolder() { clearRegistry(); }
    SettingsFolder(const SettingsFolder&) = delete;
    SettingsFolder& operator=(const SettingsFolder&) = delete;

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

    // The registry keys the program keeps its own and the companion's settings in.
    static constexpr const char* kRegistryKeys[] = {"HKEY_CURRENT_USER\\Software\\Graphs",
                                                    "HKEY_CURRENT_USER\\Software\\Remote"};

private:
    static void clearRegistry() {
#ifdef _WIN32
        for (const char* key : kRegistryKeys)
            QSettings(QString::fromLatin1(key), QSettings::NativeFormat).clear();
#endif
    }

    TempDir dir_;
};

} // namespace osk::test
