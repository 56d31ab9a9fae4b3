#include "ScratchSettings.h"

#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

#include <system_error>

namespace osk::render {

std::optional<ScratchSettings> ScratchSettings::create() {
    std::error_code ec;
    const std::filesystem::path base = std::filesystem::temp_directory_path(ec);
    if (ec)
        return std::nullopt;
    QTemporaryDir folder(
        QString::fromStdU16String((base / "osk-graphs-render-XXXXXX").u16string()));
    if (!folder.isValid())
        return std::nullopt;
    // Removed by this object's destructor, not the QTemporaryDir's.
    folder.setAutoRemove(false);
    return ScratchSettings(std::filesystem::path(folder.path().toStdU16String()));
}

ScratchSettings::ScratchSettings(ScratchSettings&& other) noexcept : path_(std::move(other.path_)) {
    other.path_.clear();
}

ScratchSettings::~ScratchSettings() {
    if (path_.empty())
        return;
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void ScratchSettings::useForThisProcess() const {
    qputenv("XDG_CONFIG_HOME", QString::fromStdU16String(path_.u16string()).toLocal8Bit());
}

void ScratchSettings::useForQtSettings() const {
    const QString folder = QString::fromStdU16String(path_.u16string());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

} // namespace osk::render
