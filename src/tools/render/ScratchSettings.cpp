#include "ScratchSettings.h"

#include <QSettings>
#include <QString>

#include <cstdlib>
#include <string>
#include <system_error>
#include <vector>

namespace osk::render {

std::optional<ScratchSettings> ScratchSettings::create() {
    std::error_code ec;
    const std::filesystem::path base = std::filesystem::temp_directory_path(ec);
    if (ec)
        return std::nullopt;
    std::string pattern = (base / "osk-graphs-render-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (mkdtemp(name.data()) == nullptr)
        return std::nullopt;
    return ScratchSettings(std::filesystem::path(name.data()));
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
    setenv("XDG_CONFIG_HOME", path_.c_str(), 1);
}

void ScratchSettings::useForQtSettings() const {
    const QString folder = QString::fromStdString(path_.string());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

} // namespace osk::render
